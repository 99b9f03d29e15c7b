// The windows of the program: one row each.
#include "app/program_windows.h"

#include "analysis/ui/early_discharge_window.h"
#include "analysis/ui/lender_terms_window.h"
#include "analysis/ui/refinance_search_window.h"
#include "analysis/ui/refinance_window.h"
#include "analysis/ui/suggestions_window.h"
#include "app/about_window.h"
#include "calculators/ui/compare_window.h"
#include "calculators/ui/estimate_window.h"
#include "calculators/ui/purchase_window.h"
#include "calculators/ui/shopper_window.h"
#include "calculators/ui/solve_for_window.h"
#include "display/ui/graph_window.h"
#include "display/ui/schedule_window.h"
#include "display/ui/summary_window.h"
#include "print/ui/print_control_window.h"
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
        // id      make                         scenario         result    tool file                 copy      print
        {Form6,  Make<GraphWindow>,           kNeedsScenario,  kResult,  std::nullopt,             kCopies,  kPrints},
        {Form7,  Make<ScheduleWindow>,        kNeedsScenario,  kResult,  ToolFile::ScheduleOption, kCopies,  kPrints},
        {Form3,  Make<SummaryWindow>,         kNeedsScenario,  kResult,  std::nullopt,             !kCopies, kPrints},
        {Form10, Make<EarlyDischargeWindow>,  kNeedsScenario,  kResult,  ToolFile::Discharge,      !kCopies, kPrints},
        {Form8,  Make<RefinanceWindow>,       kNeedsScenario,  kResult,  ToolFile::Refinance,      !kCopies, kPrints},
        {Form11, Make<CompareWindow>,         kNeedsScenario,  kResult,  ToolFile::Compare,        !kCopies, kPrints},
        {Form12, Make<RefinanceSearchWindow>, kNeedsScenario,  kResult,  ToolFile::Solver,         kCopies,  kPrints},
        {Form13, Make<PaymentChangesViewer>,  !kNeedsScenario, kResult,  std::nullopt,             !kCopies, !kPrints},
        {Form15, Make<PrintControlWindow>,    kNeedsScenario,  kResult,  std::nullopt,             !kCopies, !kPrints},
        {Form18, Make<LenderTermsWindow>,     kNeedsScenario,  kResult,  std::nullopt,             kCopies,  kPrints},
        {Form2,  Make<InputForm>,             !kNeedsScenario, !kResult, std::nullopt,             !kCopies, !kPrints},
        {Form4,  Make<PaymentChangesWindow>,  !kNeedsScenario, !kResult, std::nullopt,             !kCopies, kPrints},
        {Form5,  Make<EstimateWindow>,        !kNeedsScenario, !kResult, ToolFile::Estimate,       !kCopies, kPrints},
        {Form9,  Make<ShopperWindow>,         !kNeedsScenario, !kResult, ToolFile::Shopper,        kCopies,  kPrints},
        {Form14, Make<SolveForWindow>,        !kNeedsScenario, !kResult, std::nullopt,             !kCopies, kPrints},
        {Form16, Make<SuggestionsWindow>,     kNeedsScenario,  !kResult, std::nullopt,             !kCopies, kPrints},
        {Form17, Make<AboutWindow>,           !kNeedsScenario, !kResult, std::nullopt,             !kCopies, !kPrints},
        {Form19, Make<PurchaseWindow>,        !kNeedsScenario, !kResult, std::nullopt,             kCopies,  kPrints},
    };
    // clang-format on
}

} // namespace hl
