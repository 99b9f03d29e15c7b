// The lender's terms window: the prepayment privileges and the lender's own penalty method,
// entered once per study and kept with it, give the plan checked against the privileges and the
// penalty the lender charges on a discharge date, beside the early discharge window's three
// textbook figures for the same date.
#pragma once

#include "analysis/lender_penalty.h"
#include "print/lender_report.h"
#include "windowkit/child_window.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace hl {

class LenderTermsWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit LenderTermsWindow(AppContext& context, QWidget* parent = nullptr);

    /// A box was left: its value is checked, stored in the study's terms and the results shown
    /// again. Public so that tests can run it where the focus cannot move.
    void BoxLostFocus(QLineEdit* box);
    void CloseButtonClick();
    /// What the window shows, as the report and Copy take it.
    LenderSheet Sheet() const;
    ClipboardContent CopyContent() const override;
    /// The "Lender's Terms and Penalty" report, refused until the penalty is calculated.
    PrintOut PrintForm() const override;

    QGroupBox* TermsFrame;            ///< "The lender's terms"
    QLabel* LumpShareLabel;           ///< "Lump-sum privilege (% of amount):"
    QLineEdit* LumpShareBox;          ///< per cent of the original amount, a year
    QRadioButton* CalendarYearOption; ///< privileges counted by calendar year
    QRadioButton* LoanYearOption;     ///< privileges counted by loan year
    QLabel* IncreaseShareLabel;       ///< "Payment increase privilege (% of payment):"
    QLineEdit* IncreaseShareBox;      ///< per cent of the original regular payment, a year
    QLabel* SigningPostedLabel;       ///< "Posted rate at signing (%):"
    QLineEdit* SigningPostedBox;      ///< annual per cent; empty when not known
    QLabel* DiscountLabel;            ///< "Discount received (%):"
    QLineEdit* DiscountBox;    ///< annual per cent; worked out when the signing rate is given
    QLabel* TodayPostedLabel;  ///< "Today's posted rate, nearest term (%):"
    QLineEdit* TodayPostedBox; ///< annual per cent
    QLabel* FeeLabel;          ///< "Reinvestment or discharge fee ($):"
    QLineEdit* FeeBox;         ///< dollars
    QLabel* CashBackLabel;     ///< "Cash back received at signing ($):"
    QLineEdit* CashBackBox;    ///< dollars
    QCheckBox* ClawbackCheck;  ///< the cash back is repaid by whole months left
    QCheckBox* LongTermCheck;  ///< a term longer than five years

    QGroupBox* PenaltyFrame;     ///< "The lender's penalty"
    QLabel* DischargeDateLabel;  ///< "Discharge date:"
    QLineEdit* DischargeDateBox; ///< the date asked about
    QLabel* PrepaymentLabel;     ///< "Prepayment planned ($):"
    QLineEdit* PrepaymentBox;    ///< dollars
    QLabel* BalanceLabel;
    QLineEdit* BalanceOut; ///< balance on the date, dollars
    QLabel* MonthsLeftLabel;
    QLineEdit* MonthsLeftOut; ///< whole months of the term left
    QLabel* ThreeMonthLabel;
    QLineEdit* ThreeMonthOut; ///< three months' interest, dollars
    QLabel* IrdLabel;
    QLineEdit* IrdOut; ///< the lender's interest rate differential, dollars
    QLabel* ChargeLabel;
    QLineEdit* ChargeOut; ///< the penalty charged, dollars
    QLabel* FeeOutLabel;
    QLineEdit* FeeOut; ///< the fee, dollars
    QLabel* ClawbackLabel;
    QLineEdit* ClawbackOut; ///< the cash back repaid, dollars
    QLabel* TotalLabel;
    QLineEdit* TotalOut; ///< what discharging costs, dollars
    QLabel* FreePrepaymentLabel;
    QLineEdit* FreePrepaymentOut; ///< the prepayment free of any charge on the date, dollars
    QLabel* PrepaymentChargeLabel;
    QLineEdit* PrepaymentChargeOut; ///< the charge on the prepayment planned, dollars
    QLabel* PenaltyNote;            ///< what is missing, or the rule that decided the charge

    QGroupBox* TextbookFrame;  ///< "Textbook figures (Early Discharge Penalties)"
    QLabel* TextbookRateLabel; ///< the rate they are worked at
    QLabel* FutureValueLabel;
    QLineEdit* FutureValueOut; ///< dollars
    QLabel* AccumulatedLabel;
    QLineEdit* AccumulatedOut; ///< dollars
    QLabel* ActualScenarioLabel;
    QLineEdit* ActualScenarioOut; ///< dollars
    QLabel* TextbookThreeMonthLabel;
    QLineEdit* TextbookThreeMonthOut; ///< dollars

    QGroupBox* PlanFrame;        ///< "The plan against the privileges"
    QTableWidget* PrivilegeGrid; ///< one row per privilege year
    QLabel* PlanVerdict;         ///< "Within your privileges." or the first excess
    QPushButton* CloseButton;    ///< "Close"

  private:
    void BuildControls();
    void Connect();
    void ShowTerms();
    /// The terms as the boxes hold them (each box already checked).
    LenderTerms ReadTerms() const;
    /// Keeps the terms in the study when they changed, then shows the results again.
    void StoreAndRefresh();
    void Refresh();
    void ShowPlan();
    void ShowPenalty();
    /// The textbook figures of `date`, at the early discharge window's rate or else at
    /// `compared`, today's posted rate less the discount.
    void ShowTextbook(DayNumber date, Millipercent compared);

    ScheduleFile schedule_;
    /// The terms as the window opened on them: leaving a box without changing them is no edit.
    LenderTerms opened_;
};

} // namespace hl
