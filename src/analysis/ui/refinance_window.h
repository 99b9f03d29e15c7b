// The refinance analysis window (Form8): would discharging the mortgage on a date and taking a
// new one at a lower rate save money by the end of the term? Its inputs are kept in their
// working file; the comparison can be read in plain words and drawn as a graph.
#pragma once

#include "analysis/early_discharge.h"
#include "analysis/refinance.h"
#include "windowkit/child_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace hl {

class RefinanceWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit RefinanceWindow(AppContext& context, QWidget* parent = nullptr);

    // Event handlers, public so that tests can run them where the focus cannot move.
    void Text1LostFocus();                ///< refinance date check, then the penalty refresh
    void Text2LostFocus();                ///< refinance rate check, then the penalty refresh
    void AmountLostFocus(QLineEdit* box); ///< Text3, Text8, Text9: rewritten, total updated
    void Command5Click();                 ///< Calculate
    void Command9Click();                 ///< Now, In English
    void Command10Click();                ///< Graph
    void Command6Click();                 ///< EDP Calculator
    void Command2Click();                 ///< Close

    /// "Refinance - Scenario Run Results" from the boxes; refused until a calculation fills the
    /// output table.
    PrintOut PrintForm() const override;

    QLabel* Label24;        ///< " Refinace Mortgage "
    QLabel* Label7;         ///< "  Required Input"
    QLabel* Label1;         ///< "Date of Refinance:"
    QLineEdit* Text1;       ///< refinance date
    QLabel* Label2;         ///< "Refinance Interest Rate:"
    QLineEdit* Text2;       ///< refinance rate, annual per cent
    QLabel* Label11;        ///< "Refinance Mortgage Payment:"
    QLineEdit* Text3;       ///< refinance payment, dollars
    QPushButton* Command1;  ///< payment hint
    QLabel* Label17;        ///< "  Penalty / Costs   "
    QLabel* Label6;         ///< "Discharge Penalty:"
    QLineEdit* Text8;       ///< discharge penalty, dollars
    QPushButton* Command7;  ///< penalty hint
    QLabel* Label16;        ///< "Other Expenses:"
    QLineEdit* Text9;       ///< other expenses, dollars
    QPushButton* Command8;  ///< other expenses hint
    QLabel* Label23;        ///< "   Information Only - no input here"
    QLabel* Label15;        ///< "   Current Mortgage"
    QLabel* Label12;        ///< "Runs from:"
    QLineEdit* Text4;       ///< first payment date
    QLabel* Label13;        ///< "To"
    QLineEdit* Text5;       ///< last payment date
    QLabel* Label14;        ///< "Interest rate:"
    QLineEdit* Text6;       ///< scenario rate
    QLabel* Label4;         ///< "$ Owing on refinance date:"
    QLineEdit* Text7;       ///< balance owing after payment k
    QLabel* Label18;        ///< "Total to be refinanced: ..."
    QLineEdit* Text10;      ///< total to be refinanced
    QLabel* Label5;         ///< note: nothing after the refinance date is considered
    QLabel* Label20;        ///< "Output Table"
    QLabel* Label8;         ///< "Original Mortgage"
    QLabel* Label9;         ///< "Refinanced Mortgage"
    QLabel* Label3;         ///< "Difference"
    QLabel* Label21;        ///< "Payment Value used:"
    QLineEdit* Text17;      ///< current payment
    QLineEdit* Text18;      ///< refinance payment
    QLabel* Label10;        ///< "Balance owing:"
    QLineEdit* Text15;      ///< date of the comparison
    QLineEdit* Text11;      ///< current loan's balance
    QLineEdit* Text13;      ///< refinanced loan's balance
    QLineEdit* Text12;      ///< difference of the balances
    QLabel* Label22;        ///< "Cost due to a difference in payment value:"
    QLineEdit* Text16;      ///< cost of a different payment
    QLabel* Label19;        ///< "Net Saving:"
    QLineEdit* Text14;      ///< net saving
    QPushButton* Command3;  ///< "Form Purpose"
    QPushButton* Command4;  ///< "Why Do This ?"
    QPushButton* Command5;  ///< "Calculate"
    QPushButton* Command6;  ///< "EDP Calculator"
    QPushButton* Command9;  ///< "Now, In English"
    QPushButton* Command10; ///< "Graph"
    QPushButton* Command2;  ///< "Close"

  protected:
    void SaveState() override;

  private:
    void BuildControls();
    void Connect();
    void Restore();
    /// The balance owing on the date in Text1 into Text7; false (after its message) when the
    /// date lies beyond the mortgage.
    bool ShowBalanceOwing();
    void RefreshPenalty();
    void UpdateTotal();
    void ClearOutputs();

    ScheduleFile schedule_;
    analysis::DischargeTerm term_;
    analysis::BalanceOwing owing_;
    std::vector<analysis::RefinancePoint> points_;
    DayNumber acceptedDate_ = 0; ///< the last refinance date accepted
    Single acceptedRate_ = 0;    ///< the last refinance rate accepted
};

} // namespace hl
