// The windows of the program: one row each.
#include "app/program_windows.h"

#include "app/about_window.h"
#include "calculators/ui/estimate_window.h"
#include "calculators/ui/shopper_window.h"
#include "calculators/ui/solve_for_window.h"
#include "display/ui/graph_window.h"
#include "display/ui/schedule_window.h"
#include "display/ui/summary_window.h"
#include "files/working_files.h"
#include "scenario/ui/input_form.h"
#include "scenario/ui/payment_changes_viewer.h"
#include "scenario/ui/payment_changes_window.h"

namespace hl {
namespace {

template <class Window> ChildWindow* Make(AppContext& context) { return new Window(context); }

constexpr bool kNeedsScenario = true;
constexpr bool kResult = true;
constexpr bool kCopies = true;
constexpr bool kPrints = true;

} // namespace

WindowRegistry ProgramWindows() {
    using enum WindowId;
    // clang-format off
    return {
        // id      make                          scenario        result    tool file              copy     print
        {Form6,  Make<GraphWindow>,            kNeedsScenario, kResult,  nullptr,               kCopies, !kPrints},
        {Form7,  Make<ScheduleWindow>,         kNeedsScenario, kResult,  kScheduleOptionFile,   kCopies, !kPrints},
        {Form3,  Make<SummaryWindow>,          kNeedsScenario, kResult,  nullptr,               !kCopies, !kPrints},
        {Form10, nullptr,                      kNeedsScenario, kResult,  kDischargeFile,        !kCopies, !kPrints},
        {Form8,  nullptr,                      kNeedsScenario, kResult,  kRefinanceFile,        !kCopies, !kPrints},
        {Form11, nullptr,                      kNeedsScenario, kResult,  kCompareFile,          !kCopies, !kPrints},
        {Form12, nullptr,                      kNeedsScenario, kResult,  kSolverFile,           kCopies, !kPrints},
        {Form13, Make<PaymentChangesViewer>,   !kNeedsScenario, kResult, nullptr,               !kCopies, !kPrints},
        {Form15, nullptr,                      kNeedsScenario, kResult,  nullptr,               !kCopies, !kPrints},
        {Form2,  Make<InputForm>,              !kNeedsScenario, !kResult, nullptr,              !kCopies, !kPrints},
        {Form4,  Make<PaymentChangesWindow>,   !kNeedsScenario, !kResult, nullptr,              !kCopies, !kPrints},
        {Form5,  Make<EstimateWindow>,         !kNeedsScenario, !kResult, kEstimateFile,        !kCopies, !kPrints},
        {Form9,  Make<ShopperWindow>,          !kNeedsScenario, !kResult, kShopperFile,         kCopies, !kPrints},
        {Form14, Make<SolveForWindow>,         !kNeedsScenario, !kResult, nullptr,              !kCopies, !kPrints},
        {Form16, nullptr,                      kNeedsScenario, !kResult, nullptr,               !kCopies, !kPrints},
        {Form17, Make<AboutWindow>,            !kNeedsScenario, !kResult, nullptr,              !kCopies, !kPrints},
    };
    // clang-format on
}

} // namespace hl
