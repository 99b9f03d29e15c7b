// The input form "Input Profile": the boxes of the scenario's main fields, checked and stored
// as each box loses the focus, and the payment calculated from them at once.
#pragma once

#include <QPointer>

#include "scenario/input_rules.h"
#include "windowkit/child_window.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hl {

class GuardedCombo;

class InputForm : public ChildWindow {
    Q_OBJECT
  public:
    /// Builds the form for the session's debug level and shows the scenario record in it.
    explicit InputForm(AppContext& context, QWidget* parent = nullptr);

    /// The form prints as the header of every other report, not on its own.
    PrintOut PrintForm() const override {
        return PrintOut::Refused(kFormPrintWarningTitle, kInputFormPrintWarning);
    }
    /// The box the user is still in, read as its check would read it.
    void AddPendingEdits(Scenario& scenario, PaymentChanges& changes) const override;

    // The form's events, named as the user causes them. The window system fires them through
    // the focus and the controls' signals; they are public so that a test can fire one where an
    // offscreen window cannot move the focus.
    void Text1LostFocus();
    void Text2LostFocus();
    void Text3LostFocus();
    void Text4LostFocus();
    void Text5LostFocus();
    void Text6LostFocus();
    /// The user begins to change the length of loan, the start date or the frequency: the guard
    /// of the time frame. False keeps the field and the payment changes as they were.
    bool TimeFrameEditing();
    void Combo1Click();
    void Combo1LostFocus();
    void Command1Click();
    void Command2Click();
    void Command3Click();
    void FormClick();

    /// Closes the result windows when this form is the active child and the scenario has
    /// changed, corrects a Twice-a-Month start date, and shows the calculated values again.
    /// Other windows call it after they change the scenario or its payment changes.
    void Recalculate();
    /// Shows the scenario record in the boxes, each field only when it is set, as on load.
    void LoadFromRecord();

  protected:
    bool event(QEvent* event) override;
    void Activated() override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void Unloading() override;

  private:
    void BuildControls();
    void PlaceControls();
    void ConnectEvents();
    void ShowForDebugLevel();
    /// Steps of the recalculation that only show: Command2, Text7, Text8, Label11.
    void ShowCalculatedValues();
    void CheckNumericBox(NumericField field, QLineEdit* box);
    void ApplyFrequencyCaption();
    /// Text7 and Text8 only show: a beep, and the focus goes to the amount.
    void RefuseFocus();
    /// The comment's key rule: 60 characters at most.
    bool Text6KeyPress(const QKeyEvent& key);
    /// A paste the comment box cannot keep: too long, or holding a double quote.
    void Text6PasteRefused(const QString& inserted);
    Single& FieldOf(NumericField field);

    QLabel* Label7;        ///< title
    QLabel* Label1;        ///< "Mortgage Amount:"
    QLineEdit* Text1;      ///< mortgage amount, dollars
    QLabel* Label2;        ///< "Int. Rate (eg. 11.5):"
    QLineEdit* Text2;      ///< annual interest rate, per cent
    QLabel* Label3;        ///< "Am. Period (years):"
    QLineEdit* Text3;      ///< amortization period, years
    QLabel* Label4;        ///< "Length of Loan (years):"
    QLineEdit* Text4;      ///< length of loan, years
    QLabel* Label5;        ///< "Start Date (eg. Jan 1 93):"
    QLineEdit* Text5;      ///< start date, the date of the first payment
    QLabel* Label6;        ///< "Payment Frequency:"
    GuardedCombo* Combo1;  ///< payment frequency, list positions 0 to 3 for codes 1 to 4
    QPushButton* Command2; ///< opens the payment-changes table
    QLabel* Label11;       ///< shown while the table has entries
    QLabel* Label8;        ///< "Comment (optional): (60 chars max)"
    QLineEdit* Text6;      ///< comment
    QLabel* Label13;       ///< note about the form's purpose, debug level 0
    QFrame* Shape2;        ///< frame of the calculated values, debug levels 1 and 2
    QLabel* Label12;       ///< "  Calculated values:  ", debug levels 1 and 2
    QLabel* Label9;        ///< "Interest Rate Factor:"
    QLineEdit* Text7;      ///< periodic rate, display only, debug levels 1 and 2
    QLabel* Label10;       ///< "Calculated Payment:"
    QLineEdit* Text8;      ///< regular payment, display only
    QPushButton* Command3; ///< Flash Load of the sample study, debug level 2
    QPushButton* Command1; ///< Quit

    bool recalculating_ = false; ///< a message inside Recalculate must not start it again
    bool closing_ = false;       ///< the form is unloading: its focus changes mean nothing
};

} // namespace hl
