// The renderer: grid cells land at their twips through the device's resolution, texts in the
// report faces, pictures from their handles, and a report written as a PDF of its pages.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/day_number.h"
#include "print/qt/page_renderer.h"
#include "print/reports.h"

namespace hl {
namespace {

constexpr int kDpi = 144; // one twip is a tenth of a pixel: cell (c, l) is at (12 c, 24 l)

QImage Sheet() {
    QImage image(8 * kDpi, 11 * kDpi, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(kDpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

// The smallest rectangle holding every pixel that `match` accepts; null when none does.
template <typename Match> QRect InkBounds(const QImage& image, Match match) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool Dark(const QColor& c) { return c.lightness() < 128; }

QRect Drawn(const Page& page, const PictureSource* pictures = nullptr) {
    QImage image = Sheet();
    QPainter painter(&image);
    DrawPage(page, painter, kDpi, pictures);
    painter.end();
    return InkBounds(image, Dark);
}

class OneRedPicture : public PictureSource {
  public:
    QImage Picture(std::uint64_t handle) const override {
        if (handle != 7)
            return {};
        QImage red(10, 10, QImage::Format_RGB32);
        red.fill(Qt::red);
        return red;
    }
};

TEST(PageRenderer, GridCellsLandAtTheirTwips) {
    struct Case {
        const char* what;
        Page page;
        QRect inside; // the ink stays within this
        QRect covers; // and reaches these corners
    };
    Page rule, box, text, mono;
    PageWriter(rule).Rule(1, 60, 95, 60, 10);
    PageWriter(box).Box(1, 3, 95, 10, 9);
    PageWriter wt(text);
    wt.SetFont(PrintFace::Arial, 16);
    wt.MoveTo(20);
    wt.At(10, "H");
    PageWriter wm(mono);
    wm.SetFont(PrintFace::CourierNew, 10);
    wm.MoveTo(30);
    wm.At(40, "MMMMMMMMMM");
    const std::vector<Case> cases = {
        {"rule", rule, QRect(QPoint(10, 1437), QPoint(1142, 1443)),
         QRect(QPoint(13, 1440), QPoint(1139, 1440))},
        {"box", box, QRect(QPoint(10, 70), QPoint(1142, 242)),
         QRect(QPoint(13, 73), QPoint(1139, 239))},
        {"text", text, QRect(QPoint(120, 480), QPoint(140, 512)),
         QRect(QPoint(124, 490), QPoint(135, 505))},
        // Ten characters of 10 pt "Courier New" are 60 pt wide: 120 pixels from column 40.
        {"mono", mono, QRect(QPoint(480, 720), QPoint(600, 744)),
         QRect(QPoint(485, 728), QPoint(595, 736))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect ink = Drawn(c.page);
        ASSERT_FALSE(ink.isNull());
        EXPECT_TRUE(c.inside.contains(ink))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
        EXPECT_TRUE(ink.contains(c.covers))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    }
}

// The widest figures a study allows keep every group of the header block inside its frame, so
// that no figure runs off a Letter page.
TEST(PageRenderer, TheHeaderBlockStaysInsideItsFrame) {
    Scenario widest;
    widest.amount = kMaxAmount;
    widest.rate = 24.875f;
    widest.amortization = 1.5f; // the largest payment: six figures
    widest.term = 1.25f;
    widest.start = DayFromCivil(2099, 9, 30);
    widest.frequency = kMonthly;
    Page page;
    PageWriter w(page);
    PrintHeaderBlock(w, widest);
    // The frame's pen is 9 dots wide around column 95 (x = 1140): the third group ends clear of
    // it, the first two before the next group's column.
    for (double line : {4.0, 5.0}) {
        for (const PlacedText& t : page.texts) {
            if (t.line != line || t.column >= kHeaderColumn3)
                continue;
            Page one;
            one.texts.push_back(t);
            const QRect ink = Drawn(one);
            const int nextColumn = t.column < kHeaderColumn2 ? kHeaderColumn2 : kHeaderColumn3;
            EXPECT_LT(ink.right(), 12 * nextColumn) << t.text;
        }
    }
    for (const PlacedText& t : page.texts) {
        if (t.column != kHeaderColumn3)
            continue;
        Page one;
        one.texts.push_back(t);
        EXPECT_LT(Drawn(one).right(), 12 * 95 - 8) << t.text;
    }
}

TEST(PageRenderer, ReportFacesAreTheLiberationFonts) {
    EXPECT_EQ(FontFamily(PrintFace::Arial), "Liberation Sans");
    EXPECT_EQ(FontFamily(PrintFace::CourierNew), "Liberation Mono");
    for (PrintFace face : {PrintFace::Arial, PrintFace::CourierNew})
        EXPECT_EQ(QFontInfo(QFont(FontFamily(face))).family(), FontFamily(face));
}

TEST(PageRenderer, PicturesComeFromTheirHandles) {
    Page page;
    page.pictures.push_back(PlacedPicture{12, 18, 2, 1, 7});
    page.pictures.push_back(PlacedPicture{40, 40, 2, 1, 8}); // no picture for this handle
    const OneRedPicture pictures;
    QImage image = Sheet();
    QPainter painter(&image);
    DrawPage(page, painter, kDpi, &pictures);
    painter.end();
    EXPECT_EQ(InkBounds(image, [](const QColor& c) { return c == QColor(Qt::red); }),
              QRect(144, 432, 24, 24));
    EXPECT_EQ(InkBounds(image, [](const QColor& c) { return c != QColor(Qt::white); }),
              QRect(144, 432, 24, 24));
    // Without a source the pictures are left out.
    EXPECT_TRUE(Drawn(page).isNull());
}

TEST(PageRenderer, WritesEveryPageToPdf) {
    QTemporaryDir folder;
    Report report(3);
    for (std::size_t k = 0; k < report.size(); ++k) {
        PageWriter w(report[k]);
        w.At(3, "page " + std::to_string(k + 1));
    }
    const QString path = folder.filePath("three.pdf");
    ASSERT_TRUE(WritePdf(report, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.contains("/Count 3"));
    // Letter: 612 by 792 points.
    EXPECT_TRUE(QString::fromLatin1(pdf).contains(
        QRegularExpression(R"(/MediaBox \[0 0 612(\.0+)? 792(\.0+)?\])")));
    EXPECT_FALSE(WritePdf(report, folder.filePath("none/x.pdf")));
}

} // namespace
} // namespace hl

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
