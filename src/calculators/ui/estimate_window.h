// The "Mortgage Estimate" window (Form5): the price of a property plus the costs of buying it,
// less the buyer's own funds, refreshed whenever a box is left. Its fifteen input boxes are kept
// in the estimate's working file between openings.
#pragma once

#include <array>

#include "windowkit/child_window.h"

class QLineEdit;
class QPushButton;

namespace hl {

class EstimateWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit EstimateWindow(AppContext& context, QWidget* parent = nullptr);

    // Event handlers, public so that the main window and the tests can run them.
    void TextLostFocus(int box); ///< input box Text1..Text12, Text15..Text17 left: reformat, recalc
    void ResultGotFocus();       ///< Text13, Text14, Text18, Text19 refuse the focus
    void Command1Click();        ///< Display a Sample
    void Command2Click();        ///< Clear all Boxes
    void Command3Click();        ///< Close
    void Command4Click();        ///< Current rules...: opens Buying a Home
    /// Refreshes the four results from the input boxes.
    void Recalculate();
    /// The "Estimate Amount of Mortgage Required" report, refused while the sheet has no result.
    PrintOut PrintForm() const override;

    QLineEdit* Text1;      ///< property purchase price, dollars
    QLineEdit* Text2;      ///< legal fees (including disbursements)
    QLineEdit* Text3;      ///< land transfer tax adjustment
    QLineEdit* Text4;      ///< utility adjustments
    QLineEdit* Text5;      ///< property tax adjustments
    QLineEdit* Text6;      ///< property survey
    QLineEdit* Text7;      ///< appraisal fee
    QLineEdit* Text8;      ///< house inspection
    QLineEdit* Text9;      ///< moving expenses
    QLineEdit* Text10;     ///< home insurance
    QLineEdit* Text11;     ///< immediate repairs
    QLineEdit* Text12;     ///< other expenses
    QLineEdit* Text13;     ///< result: other expenses subtotal
    QLineEdit* Text14;     ///< result: total estimated purchase cost
    QLineEdit* Text15;     ///< purchase deposit
    QLineEdit* Text16;     ///< funds from the sale of another property
    QLineEdit* Text17;     ///< other personal funds
    QLineEdit* Text18;     ///< result: own funds subtotal
    QLineEdit* Text19;     ///< result: estimated amount to be mortgaged
    QPushButton* Command1; ///< Display a Sample
    QPushButton* Command2; ///< Clear all Boxes
    QPushButton* Command3; ///< Close
    QPushButton* Command4; ///< Current rules... (beside the high-ratio note): Buying a Home

  protected:
    void SaveState() override;

  private:
    void BuildControls();
    void Connect();
    void Restore();
    /// The input box of index 0..14 in working-file order (Text1..Text12, Text15..Text17).
    QLineEdit* Input(int index) const;

    std::array<QLineEdit*, 19> boxes_{}; ///< Text1..Text19
};

} // namespace hl
