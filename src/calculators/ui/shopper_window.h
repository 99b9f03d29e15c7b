// The "Payment Shopper" window (Form9): the regular payments of every combination of ranges of
// amount, rate and amortization, for the four frequencies at once. Its nine boxes are kept in
// the shopper's working file between openings.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calculators/shopper.h"
#include "windowkit/child_window.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace hl {

class ShopperTableModel;

class ShopperWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit ShopperWindow(AppContext& context, QWidget* parent = nullptr);

    /// The selected cells of Grid1 for Copy: cells separated by tabs, rows by "\r\n"; the
    /// current cell alone when nothing is selected, "" when the table is empty.
    std::string SelectedCellsText() const;
    ClipboardContent CopyContent() const override { return {SelectedCellsText(), {}}; }
    /// The lines of Grid1, separators included, top to bottom (what a report prints).
    const std::vector<calc::ShopperLine>& Lines() const;
    /// "Payment Shopper Results" from the table's lines; refused while the table is empty.
    PrintOut PrintForm() const override;

    // Event handlers, public so that the main window and the tests can run them.
    void TextLostFocus(int box); ///< field check of Text1 (box 1) to Text9 (box 9)
    void TextChange();           ///< any box's text changed: the table goes
    void Text1Escape();          ///< Escape in Text1 empties it
    void Command1Click();        ///< Calculate: appends the lines below those shown
    void Command2Click();        ///< Close
    void Command3Click();        ///< Display a sample
    void Command4Click();        ///< Clear All Input Boxes

    QLineEdit* Text1;      ///< mortgage amount, lower boundary, dollars
    QLineEdit* Text2;      ///< mortgage amount, upper boundary (empty: a single amount)
    QLineEdit* Text3;      ///< mortgage amount, increment
    QLineEdit* Text4;      ///< interest rate, lower boundary, annual per cent
    QLineEdit* Text5;      ///< interest rate, upper boundary (empty: a single rate)
    QLineEdit* Text6;      ///< interest rate, increment
    QLineEdit* Text7;      ///< amortization period, lower boundary, years
    QLineEdit* Text8;      ///< amortization period, upper boundary (empty: a single period)
    QLineEdit* Text9;      ///< amortization period, increment
    QPushButton* Command1; ///< Calculate
    QPushButton* Command3; ///< Display a sample
    QPushButton* Command4; ///< Clear All Input Boxes
    QPushButton* Command2; ///< Close
    QTableView* Grid1;     ///< result lines and separator lines

  protected:
    void SaveState() override;

  private:
    void BuildControls();
    void Connect();
    void Restore();
    /// Runs each box's field check in order, as moving the focus through them would, and
    /// leaves the focus in Text1.
    void CheckEveryBox();
    void ClearTable();

    std::array<QLineEdit*, 9> boxes_{};
    /// What each box held when it was last left: the values Calculate reads.
    std::array<Single, 9> stored_{};
    ShopperTableModel* model_ = nullptr;
};

} // namespace hl
