// Reading and writing the page model.
#include "print/page.h"

#include <algorithm>
#include <cmath>

namespace hl {

const PlacedText* Page::TextAt(double column, double line) const {
    for (const PlacedText& t : texts)
        if (t.column == column && t.line == line)
            return &t;
    return nullptr;
}

std::string Page::LineText(int line) const {
    std::vector<const PlacedText*> on;
    for (const PlacedText& t : texts)
        if (t.line == line)
            on.push_back(&t);
    std::stable_sort(on.begin(), on.end(), [](const PlacedText* a, const PlacedText* b) {
        return a->column < b->column;
    });
    std::string out;
    for (const PlacedText* t : on) {
        const auto at = static_cast<std::size_t>(std::max(0.0, std::floor(t->column)));
        if (out.size() < at)
            out.resize(at, ' ');
        out.replace(at, std::min(t->text.size(), out.size() - at), t->text);
    }
    return out;
}

void PageWriter::At(double column, std::string_view text) {
    page_.texts.push_back(PlacedText{column, static_cast<double>(line_), font_, std::string(text)});
}

void PageWriter::Rule(double column1, double line1, double column2, double line2, int width) {
    page_.rules.push_back(PlacedRule{column1, line1, column2, line2, width});
}

void PageWriter::Box(double column1, double line1, double column2, double line2, int width) {
    page_.boxes.push_back(PlacedBox{column1, line1, column2, line2, width});
}

} // namespace hl
