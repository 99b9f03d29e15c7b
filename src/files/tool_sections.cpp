// The blank contents of the tool sections.
#include "files/tool_sections.h"

namespace hl {

ToolSections BlankToolSections() {
    const std::string blank(kBlankText);
    ToolSections s;
    s.estimate.texts.fill(blank);
    s.schedule.option = 1;
    s.refinance.date = 0;
    s.refinance.texts.fill(blank);
    s.discharge.date = 0;
    s.discharge.text = blank;
    s.shopper.texts.fill(blank);
    s.compare.texts.fill(blank);
    s.compare.date = 0;
    s.compare.frequencyText = blank;
    s.compare.entries.clear();
    s.solver.date = 0;
    s.solver.texts.fill(blank);
    s.solver.check = 1;
    s.solver.searchOption = 1;
    s.solver.rateOption = 4;
    return s;
}

} // namespace hl
