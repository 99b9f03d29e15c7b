// The calculator windows by name.
#include "calculators/ui/calculator_windows.h"

#include "calculators/ui/estimate_window.h"
#include "calculators/ui/shopper_window.h"
#include "calculators/ui/solve_for_window.h"

namespace hl {

ChildWindow* CreateCalculatorWindow(AppContext& context, std::string_view name) {
    if (name == "Form14")
        return new SolveForWindow(context);
    if (name == "Form9")
        return new ShopperWindow(context);
    if (name == "Form5")
        return new EstimateWindow(context);
    return nullptr;
}

} // namespace hl
