// Draws the pages of a report on a QPrinter: the system's printers and PDF files alike.
#pragma once

#include <QImage>
#include <QPageSize>
#include <QString>

#include "print/page.h"

class QPainter;
class QPrinter;

namespace hl {

/// Gives the renderer the pictures a page names by handle.
class PictureSource {
  public:
    virtual ~PictureSource() = default;
    /// The picture of a handle; a null image draws nothing.
    virtual QImage Picture(std::uint64_t handle) const = 0;
};

/// The installed face that stands in for a report face: "Liberation Sans" for "Arial",
/// "Liberation Mono" for "Courier New" (the same widths).
QString FontFamily(PrintFace face);

/// Draws one page with a painter on a device of `resolution` dots per inch, the grid's origin at
/// the painter's origin.
void DrawPage(const Page& page, QPainter& painter, double resolution,
              const PictureSource* pictures = nullptr);

/// Draws every page on `printer`, starting a new sheet between pages. The printer is set up by
/// the caller (paper, output); the grid's origin is the top left of its printable area.
/// Returns false when the printer cannot be painted on or refuses a new page.
bool RenderReport(const Report& report, QPrinter& printer, const PictureSource* pictures = nullptr);

/// Sets a printer to write a PDF file at `path`: resolution 720 dpi (font sizes stay exact),
/// `paper` (Letter by default) in portrait, quarter-inch margins.
void SetUpPdfPrinter(QPrinter& printer, const QString& path,
                     QPageSize::PageSizeId paper = QPageSize::Letter);

/// Writes the report as a PDF file at `path` (not atomically: the caller chooses the path).
/// Needs a QGuiApplication for the fonts. Returns false when the file cannot be written.
bool WritePdf(const Report& report, const QString& path,
              QPageSize::PageSizeId paper = QPageSize::Letter,
              const PictureSource* pictures = nullptr);

} // namespace hl
