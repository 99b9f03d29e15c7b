// The "Solve for" window (Form14): from a rate, a payment and its frequency, the amortization
// period of a given amount and the amount a given period carries, solved as soon as the boxes
// allow. A scratch sheet: nothing of it is kept.
#pragma once

#include "calculators/solve_for.h"
#include "windowkit/child_window.h"
#include "windowkit/guarded_combo.h"

class QLineEdit;
class QPushButton;

namespace hl {

class SolveForWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit SolveForWindow(AppContext& context, QWidget* parent = nullptr);

    /// The window printed as it stands on the screen.
    PrintOut PrintForm() const override;

    // Event handlers, public so that the main window and the tests can run them.
    void Text1LostFocus(); ///< rate check, then solve
    void Text2LostFocus(); ///< payment check against the frequency, then solve
    void Text3LostFocus(); ///< amount check, then solve
    void Text4LostFocus(); ///< amortization check, then solve
    void Combo1Click();    ///< a frequency chosen: range check, then solve or clear
    void Combo1GotFocus(); ///< by keys, or its list opens: range check, then solve or clear
    void ResultGotFocus(); ///< Text5, Text6, Text7 refuse the focus
    void Command1Click();  ///< Close

    QLineEdit* Text1;      ///< interest rate, annual per cent
    QLineEdit* Text2;      ///< payment per period, dollars
    GuardedCombo* Combo1;  ///< payment frequency
    QLineEdit* Text3;      ///< mortgage amount for the amortization solve, dollars
    QLineEdit* Text4;      ///< amortization period for the amount solve, years
    QLineEdit* Text5;      ///< result: amortization in monthly payments
    QLineEdit* Text7;      ///< result: amortization in years
    QLineEdit* Text6;      ///< result: mortgage amount, dollars
    QPushButton* Command1; ///< Close

  protected:
  private:
    void BuildControls();
    void Connect();
    calc::SolveInputs Inputs() const;
    /// The check of Text1, Text3 or Text4 when it is left; the solve follows in every case but
    /// an empty box.
    void CheckBox(QLineEdit* box, calc::SolveBox which);
    void RunSolve();
    void Show(const calc::SolveResult& result);
    void ClearResults();
};

} // namespace hl
