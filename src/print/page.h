// The printed page as data: a report is a list of pages, a page a list of items placed on the
// character grid (a cell is 120 twips wide and 240 twips high, column 0 and line 0 at the top
// left of the printable area). Nothing here knows how a page reaches a printer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hl {

/// The two faces the reports use, by the names the reports give them.
enum class PrintFace : std::uint8_t {
    Arial,      ///< headings, titles and the header block
    CourierNew, ///< report bodies, so that columns of figures line up
};

struct PrintFont {
    PrintFace face = PrintFace::Arial;
    double size = 10; ///< points
    bool bold = false;
    bool underline = false;
    bool operator==(const PrintFont&) const = default;
};

/// Twips of one grid cell.
inline constexpr int kCellTwipsWide = 120;
inline constexpr int kCellTwipsHigh = 240;

/// A text whose top left corner stands at a column and line of the grid.
struct PlacedText {
    double column = 0;
    double line = 0;
    PrintFont font;
    std::string text;
};

/// A straight line between two grid points; `width` is the pen width in printer dots of the
/// old 600 dpi printers (1/600 inch).
struct PlacedRule {
    double column1 = 0, line1 = 0, column2 = 0, line2 = 0;
    int width = 1;
};

/// An unfilled rectangle between two grid corners, with the pen width of a rule.
struct PlacedBox {
    double column1 = 0, line1 = 0, column2 = 0, line2 = 0;
    int width = 1;
};

/// A picture the caller keeps (a graph, a window's image), known here by its handle only; the
/// renderer asks the caller for it. A size of 0 columns or lines draws the picture at its own
/// size.
struct PlacedPicture {
    double column = 0, line = 0;
    double columns = 0, lines = 0;
    std::uint64_t handle = 0;
};

struct Page {
    std::vector<PlacedText> texts;
    std::vector<PlacedRule> rules;
    std::vector<PlacedBox> boxes;
    std::vector<PlacedPicture> pictures;

    /// The first text placed exactly at this column and line, or nothing.
    const PlacedText* TextAt(double column, double line) const;
    /// The texts of one line in column order, each put at its column as if every character
    /// took one cell (the Courier New lines read as printed): for tests and plain-text views.
    std::string LineText(int line) const;
};

using Report = std::vector<Page>;

/// Writes texts on a page the way the old printer object did: a current font and a current
/// line; printing at a column places the text there on the current line.
class PageWriter {
  public:
    explicit PageWriter(Page& page) : page_(page) {}

    void SetFont(PrintFace face, double size) {
        font_.face = face;
        font_.size = size;
    }
    void SetBold(bool on) { font_.bold = on; }
    void SetUnderline(bool on) { font_.underline = on; }
    const PrintFont& Font() const { return font_; }

    /// Moves the print position to a line (the column is given with every text).
    void MoveTo(int line) { line_ = line; }
    int Line() const { return line_; }
    /// Places a text at `column` of the current line.
    void At(double column, std::string_view text);
    /// Moves to the next line, `count` times.
    void NewLine(int count = 1) { line_ += count; }

    void Rule(double column1, double line1, double column2, double line2, int width);
    void Box(double column1, double line1, double column2, double line2, int width);

  private:
    Page& page_;
    PrintFont font_;
    int line_ = 0;
};

} // namespace hl
