// The "Buying a Home" window (Form19): minimum down payment, mortgage default insurance, the
// stress test, the transfer taxes and the cash needed at closing, refreshed whenever a box is
// left, by the rule tables in force on the closing date. Its inputs are kept in the user's
// settings between runs.
#pragma once

#include <array>
#include <string>

#include "calculators/purchase.h"
#include "windowkit/child_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hl {

class PurchaseWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit PurchaseWindow(AppContext& context, QWidget* parent = nullptr);

    /// The settings key of the inputs (a list of their texts in the order of the boxes).
    static constexpr const char* kSettingsKey = "purchase/inputs";

    /// Reads the boxes, computes and shows every figure.
    void Refresh();
    void BoxLostFocus(QLineEdit* box); ///< an input box left: reformat, refresh
    void UseAsScenarioClick();         ///< the total mortgage, rate, amortization and frequency
    void UseInEstimateClick();         ///< the net transfer tax into the estimate's box
    void CloseClick();

    /// The figures as "caption<TAB>value" lines.
    ClipboardContent CopyContent() const override;
    /// The "Buying a Home" report, refused while the window has no figures.
    PrintOut PrintForm() const override;
    /// The last computation (for the tests).
    const calc::PurchaseResult& Result() const { return result_; }

    QLineEdit* PriceBox;         ///< purchase price, dollars
    QLineEdit* DownBox;          ///< down payment, dollars or per cent of the price
    QComboBox* DownKindCombo;    ///< "$" or "% of price"
    QComboBox* ProvinceCombo;    ///< province or territory
    QComboBox* CityCombo;        ///< no city, Toronto or Montreal
    QCheckBox* FirstTimeCheck;   ///< first-time buyer
    QCheckBox* NewBuildCheck;    ///< a newly built home
    QLineEdit* YearsBox;         ///< amortization, years
    QLineEdit* RateBox;          ///< contract rate, per cent
    QComboBox* FrequencyCombo;   ///< payment frequency, in the program's order
    QLineEdit* ClosingBox;       ///< closing date YYYY-MM-DD (empty: today)
    QLineEdit* IncomeBox;        ///< gross household income a year
    QLineEdit* TaxesBox;         ///< property taxes a year
    QLineEdit* HeatingBox;       ///< heating a month
    QLineEdit* CondoBox;         ///< condominium fees a month
    QLineEdit* DebtsBox;         ///< other debt payments a month
    QLineEdit* TypedTransferBox; ///< transfer tax typed where no table is held

    QLineEdit* MinimumDownText;       ///< result: minimum down payment
    QLineEdit* LtvText;               ///< result: loan to value, per cent
    QLineEdit* PremiumRateText;       ///< result: premium, per cent of the loan
    QLineEdit* PremiumText;           ///< result: insurance premium
    QLineEdit* PremiumTaxText;        ///< result: sales tax on the premium
    QLineEdit* TotalMortgageText;     ///< result: loan + premium
    QLineEdit* PaymentText;           ///< result: payment at the contract rate and frequency
    QLineEdit* QualifyingRateText;    ///< result: stress test rate
    QLineEdit* QualifyingPaymentText; ///< result: Monthly payment at it
    QLineEdit* GdsText;               ///< result: gross debt service, per cent
    QLineEdit* TdsText;               ///< result: total debt service, per cent
    QLineEdit* MaxMortgageText;       ///< result: largest mortgage both limits allow
    QLineEdit* LandTransferText;      ///< result: the province's transfer tax (or fees)
    QLineEdit* MunicipalTransferText; ///< result: the city's
    QLineEdit* RebateText;            ///< result: rebates
    QLineEdit* NetTransferText;       ///< result: transfer taxes less rebates
    QLineEdit* CashText;              ///< result: cash needed at closing
    QLabel* VerdictLabel;             ///< the stress test's verdict
    QLabel* MessageLabel;             ///< why the purchase cannot be financed so, or a note
    QLabel* RulesLabel;               ///< which date's rules are used
    QPushButton* UseScenarioButton;   ///< Use as Scenario
    QPushButton* UseEstimateButton;   ///< Use in Estimate
    QPushButton* CloseButton;         ///< Close

  protected:
    void Unloading() override;

  private:
    void BuildControls();
    void Connect();
    void Restore();
    void Keep();
    calc::PurchaseInputs Inputs() const;
    void Show(const calc::PurchaseResult& result);

    std::array<QLineEdit*, 17> results_{};
    std::string rulesProblem_; ///< the rule tables could not be read
    calc::PurchaseRules rules_;
    calc::PurchaseResult result_;
    bool computed_ = false; ///< result_ holds figures (no refusal, the needed boxes typed)
};

} // namespace hl
