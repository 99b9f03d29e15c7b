// The summary window (Form3): where the loan stands at the end of the length of loan, what was
// paid out, and when the loan would be paid off if the payments went on.
#pragma once

#include <optional>

#include "display/summary_view.h"
#include "windowkit/child_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace hl {

class SummaryWindow : public ChildWindow {
    Q_OBJECT
  public:
    /// Runs the summary for the session's scenario and fills every box (the window's load).
    explicit SummaryWindow(AppContext& context, QWidget* parent = nullptr);

    /// The summary report of the figures shown, on one page.
    PrintOut PrintForm() const override;

  private:
    void BuildControls();
    void Load();
    void Command1Click();

    QLineEdit* Text12;     ///< date of the last payment run, "mmm d yyyy"
    QLineEdit* Text1;      ///< payments made
    QLineEdit* Text9;      ///< balance still outstanding, dollars
    QLineEdit* Text6;      ///< paid out by regular payments, dollars
    QLineEdit* Text5;      ///< paid out by lump payments, dollars
    QLineEdit* Text10;     ///< total interest paid, dollars
    QLineEdit* Text11;     ///< total principal paid, lumps included, dollars
    QLineEdit* Text4;      ///< extra paid out through the payment changes, dollars
    QLineEdit* Text2;      ///< projected pay-off date, or a blank
    QLineEdit* Text3;      ///< projected pay-off payment number, or a blank
    QPushButton* Command1; ///< "Close"

    SummaryResult run_; ///< the run shown
    std::optional<PayoffProjection> projection_;
};

} // namespace hl
