// The page model on a QPainter: grid cells to printer dots, report faces to installed fonts.
#include "print/qt/page_renderer.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace hl {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kOldPrinterDots = 600; // pen widths are given in these dots per inch

// Grid positions to device coordinates at the printer's resolution.
struct Grid {
    double dotsPerTwip = 0;
    double X(double column) const { return column * kCellTwipsWide * dotsPerTwip; }
    double Y(double line) const { return line * kCellTwipsHigh * dotsPerTwip; }
};

QFont MakeFont(const PrintFont& f, QPaintDevice* device) {
    QFont font(FontFamily(f.face), -1, f.bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(f.face == PrintFace::CourierNew ? QFont::TypeWriter : QFont::SansSerif);
    font.setPointSizeF(f.size);
    font.setUnderline(f.underline);
    font.setKerning(false);
    return QFont(font, device);
}

} // namespace

void DrawPage(const Page& page, QPainter& painter, double resolution,
              const PictureSource* pictures) {
    const Grid grid{resolution / kTwipsPerInch};
    for (const PlacedBox& b : page.boxes) {
        painter.setPen(QPen(Qt::black, b.width * resolution / kOldPrinterDots));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(QPointF(grid.X(b.column1), grid.Y(b.line1)),
                                QPointF(grid.X(b.column2), grid.Y(b.line2))));
    }
    for (const PlacedRule& r : page.rules) {
        painter.setPen(QPen(Qt::black, r.width * resolution / kOldPrinterDots));
        painter.drawLine(QPointF(grid.X(r.column1), grid.Y(r.line1)),
                         QPointF(grid.X(r.column2), grid.Y(r.line2)));
    }
    painter.setPen(Qt::black);
    const PrintFont* current = nullptr;
    double ascent = 0;
    for (const PlacedText& t : page.texts) {
        if (!current || !(*current == t.font)) {
            const QFont font = MakeFont(t.font, painter.device());
            painter.setFont(font);
            ascent = QFontMetricsF(font, painter.device()).ascent();
            current = &t.font;
        }
        painter.drawText(QPointF(grid.X(t.column), grid.Y(t.line) + ascent),
                         QString::fromStdString(t.text));
    }
    if (!pictures)
        return;
    for (const PlacedPicture& p : page.pictures) {
        const QImage image = pictures->Picture(p.handle);
        if (image.isNull())
            continue;
        const double imageDpi = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96;
        const double w = p.columns > 0 ? grid.X(p.columns) : image.width() * resolution / imageDpi;
        const double h = p.lines > 0 ? grid.Y(p.lines) : image.height() * resolution / imageDpi;
        painter.drawImage(QRectF(grid.X(p.column), grid.Y(p.line), w, h), image);
    }
}

QString FontFamily(PrintFace face) {
    return face == PrintFace::CourierNew ? QStringLiteral("Liberation Mono")
                                         : QStringLiteral("Liberation Sans");
}

bool RenderReport(const Report& report, QPrinter& printer, const PictureSource* pictures) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double resolution = printer.resolution();
    bool ok = true;
    for (std::size_t k = 0; k < report.size() && ok; ++k) {
        if (k > 0 && !printer.newPage())
            ok = false;
        else
            DrawPage(report[k], painter, resolution, pictures);
    }
    return painter.end() && ok;
}

void SetUpPdfPrinter(QPrinter& printer, const QString& path, QPageSize::PageSizeId paper) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(720);
    printer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                                      QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    printer.setOutputFileName(path);
}

bool WritePdf(const Report& report, const QString& path, QPageSize::PageSizeId paper,
              const PictureSource* pictures) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, path, paper);
    return RenderReport(report, printer, pictures) && QFile::exists(path);
}

} // namespace hl
