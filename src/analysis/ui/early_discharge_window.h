// The early discharge window (Form10): a discharge date and the rate the lender could re-lend at
// today give the three-month interest penalty and three estimates of the interest rate
// differential. Its two inputs are kept in their working file.
#pragma once

#include "analysis/early_discharge.h"
#include "windowkit/child_window.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hl {

class EarlyDischargeWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit EarlyDischargeWindow(AppContext& context, QWidget* parent = nullptr);

    // Event handlers, public so that tests can run them where the focus cannot move.
    void Text1LostFocus(); ///< discharge date check, then the calculation
    void Text2LostFocus(); ///< interest rate check, then the calculation
    void Command1Click();  ///< Close
    void Command2Click();  ///< Explain Penalties
    void Command3Click();  ///< Explain this form
    /// The "Early Discharge Penalty" report, refused until the penalties are calculated.
    PrintOut PrintForm() const override;

    QLabel* Label10;       ///< heading
    QLabel* Label8;        ///< "Mortgage runs from:"
    QLineEdit* Text7;      ///< first payment date, display only
    QLabel* Label9;        ///< "To"
    QLineEdit* Text8;      ///< last payment date, display only
    QLabel* Label1;        ///< "Discharge Date:"
    QLineEdit* Text1;      ///< discharge date
    QLabel* Label2;        ///< "Interest Rate:"
    QLineEdit* Text2;      ///< discharge interest rate, annual per cent
    QFrame* Shape1;        ///< frame of the three differential results
    QLabel* Label7;        ///< the frame's title
    QLabel* Label3;        ///< "Future Value Method:"
    QLineEdit* Text3;      ///< result, dollars
    QLabel* Label4;        ///< "Accumlated Interest Method:"
    QLineEdit* Text4;      ///< result, dollars
    QLabel* Label5;        ///< "Actual Scenario Calculation:"
    QLineEdit* Text5;      ///< result, dollars
    QLabel* Label6;        ///< "Three Month Interest Penalty:"
    QLineEdit* Text6;      ///< result, dollars
    QLabel* Label12;       ///< warning about very large lump payments
    QPushButton* Command3; ///< "Explain this form"
    QPushButton* Command2; ///< "Explain Penalties"
    QPushButton* Command1; ///< "Close"

  protected:
    void SaveState() override;

  private:
    void BuildControls();
    void Connect();
    void Restore();
    /// Empties the results, and calculates when both boxes are ready.
    void CalculateWhenReady();
    void Calculate();
    /// Shows a box check's outcome; true when the box was accepted.
    bool Apply(QLineEdit* box, const analysis::BoxCheck& check);

    ScheduleFile schedule_;
    analysis::DischargeTerm term_;
};

} // namespace hl
