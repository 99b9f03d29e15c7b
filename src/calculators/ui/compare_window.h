// The compare-scenarios window (Form11): the current scenario, read only, beside a second one the
// user types or copies, with payment changes of its own, and the differences between the two.
// Scenario two's inputs and table are kept in their working file.
#pragma once

#include <memory>

#include "calculators/compare.h"
#include "scenario/ui/payment_changes_window.h"
#include "windowkit/child_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hl {

class GuardedCombo;

class CompareWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit CompareWindow(AppContext& context, QWidget* parent = nullptr);

    /// Scenario two's payment changes: the window's own, never the study's.
    const PaymentChanges& ScenarioTwoChanges() const { return *table_; }

    // Event handlers, public so that tests can run them where the focus cannot move.
    void Text14LostFocus();
    void Text15LostFocus();
    void Text16LostFocus();
    void Text17LostFocus();
    void Text18LostFocus();
    /// The user begins to change Text17, Text18 or Combo1: the time-frame prompt. False keeps
    /// the field and scenario two's payment changes as they were.
    bool Text17Editing();
    bool Text18Editing();
    bool Combo1Changing();
    void Combo1GotFocus();
    void Combo1Click();
    void Command1GotFocus();
    void Command1LostFocus();
    void Command1Click(); ///< "Enter Payment Changes"
    void Command2Click(); ///< "Close"
    void Command3Click(); ///< "View Payment Changes"
    void Command4Click(); ///< "Calculate"
    void Command5Click(); ///< "Copy Scenario   1 to 2"
    void Command6Click(); ///< "Clear Scenario 2"

    QGroupBox* Frame1;     ///< "Input Variables"
    QGroupBox* Frame2;     ///< "Summary"
    QGroupBox* Frame3;     ///< " Quick Function"
    QLabel* Label1;        ///< "Scenario One "
    QLabel* Label2;        ///< "Scenario Two"
    QLabel* Label3;        ///< "Difference"
    QLineEdit* Text1;      ///< scenario one: mortgage amount, dollars
    QLineEdit* Text2;      ///< scenario one: interest rate, per cent
    QLineEdit* Text3;      ///< scenario one: amortization, years
    QLineEdit* Text4;      ///< scenario one: length of loan, years
    QLineEdit* Text5;      ///< scenario one: start date
    QLineEdit* Text6;      ///< scenario one: frequency name
    QLabel* Text8;         ///< "Changes entered for Scenario One", hidden otherwise
    QLineEdit* Text7;      ///< scenario one: calculated payment
    QLineEdit* Text10;     ///< scenario one: closing date
    QLineEdit* Text11;     ///< scenario one: balance still outstanding
    QLineEdit* Text31;     ///< scenario one: regular payments paid
    QLineEdit* Text9;      ///< scenario one: lump payments paid
    QLineEdit* Text12;     ///< scenario one: principal paid to date
    QLineEdit* Text13;     ///< scenario one: interest paid to date
    QLineEdit* Text14;     ///< scenario two: mortgage amount, dollars
    QLineEdit* Text15;     ///< scenario two: interest rate, per cent
    QLineEdit* Text16;     ///< scenario two: amortization, years
    QLineEdit* Text17;     ///< scenario two: length of loan, years
    QLineEdit* Text18;     ///< scenario two: start date
    GuardedCombo* Combo1;  ///< scenario two: payment frequency
    QLabel* Text20;        ///< "Changes entered for Scenario Two", hidden otherwise
    QLineEdit* Text19;     ///< scenario two: calculated payment (or its preview)
    QLineEdit* Text22;     ///< scenario two: closing date
    QLineEdit* Text23;     ///< scenario two: balance still outstanding
    QLineEdit* Text32;     ///< scenario two: regular payments paid
    QLineEdit* Text21;     ///< scenario two: lump payments paid
    QLineEdit* Text24;     ///< scenario two: principal paid to date
    QLineEdit* Text25;     ///< scenario two: interest paid to date
    QLineEdit* Text28;     ///< balance difference
    QLineEdit* Text29;     ///< gross saving
    QLineEdit* Text33;     ///< regular payments difference
    QLineEdit* Text30;     ///< net saving
    QLineEdit* Text27;     ///< lump payments difference
    QPushButton* Command3; ///< "View Payment Changes"
    QPushButton* Command1; ///< "Enter Payment Changes"
    QPushButton* Command5; ///< "Copy Scenario   1 to 2"
    QPushButton* Command6; ///< "Clear Scenario 2"
    QPushButton* Command4; ///< "Calculate"
    QPushButton* Command2; ///< "Close"

    /// Writes scenario two's inputs and table to the working file.
    void SaveState() override;
    /// The comparison as shown, with scenario one's changes as parked on opening; refused while
    /// neither saving is calculated.
    PrintOut PrintForm() const override;

  protected:
    void Unloading() override;

  private:
    enum class PromptTrigger { Box, ComboList };

    void BuildControls();
    void Connect();
    void Open();
    void Restore();
    calc::ScenarioTwoBoxes Boxes() const;
    void ClearResults();
    void ClearScenarioTwo();
    void PaymentPreview();
    void RefreshIndicator();
    bool TimeFramePrompt(PromptTrigger trigger);
    /// Runs a box's check; true when it was accepted.
    bool CheckBox(QLineEdit* box, calc::TwoBox which);
    void ResultGotFocus();
    /// Closes the payment-changes window when it edits scenario two's table (storing its grid
    /// there first), before the table is replaced or erased here.
    void ClosePaymentChanges();
    /// Closes it as well when scenario two's time frame no longer is the one it lists.
    void FollowTimeFrame();

    calc::ScenarioOneTexts one_;
    /// Scenario two's table, shared with the payment-changes window while it edits it.
    std::shared_ptr<PaymentChanges> table_ = std::make_shared<PaymentChanges>();
    PaymentCalendar listed_{}; ///< the time frame the payment-changes window was prepared with
};

} // namespace hl
