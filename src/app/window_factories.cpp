// The windows of the program, by name.
#include "app/window_factories.h"

#include "app/about_window.h"
#include "calculators/ui/estimate_window.h"
#include "calculators/ui/shopper_window.h"
#include "calculators/ui/solve_for_window.h"
#include "display/ui/graph_window.h"
#include "display/ui/schedule_window.h"
#include "display/ui/summary_window.h"
#include "scenario/ui/input_form.h"
#include "scenario/ui/payment_changes_viewer.h"
#include "scenario/ui/payment_changes_window.h"

namespace hl {

WindowFactories ProgramWindows() {
    WindowFactories f;
    f["Form2"] = [](AppContext& c) -> ChildWindow* { return new InputForm(c); };
    f["Form4"] = [](AppContext& c) -> ChildWindow* { return new PaymentChangesWindow(c); };
    f["Form13"] = [](AppContext& c) -> ChildWindow* { return new PaymentChangesViewer(c); };
    f["Form3"] = [](AppContext& c) -> ChildWindow* { return new SummaryWindow(c); };
    f["Form6"] = [](AppContext& c) -> ChildWindow* { return new GraphWindow(c); };
    f["Form7"] = [](AppContext& c) -> ChildWindow* { return new ScheduleWindow(c); };
    f["Form5"] = [](AppContext& c) -> ChildWindow* { return new EstimateWindow(c); };
    f["Form9"] = [](AppContext& c) -> ChildWindow* { return new ShopperWindow(c); };
    f["Form14"] = [](AppContext& c) -> ChildWindow* { return new SolveForWindow(c); };
    f["Form17"] = [](AppContext& c) -> ChildWindow* { return new AboutWindow(c); };
    return f;
}

} // namespace hl
