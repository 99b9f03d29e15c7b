// The payment-changes window (Form4): every payment of the length of loan in a grid where the
// user types changes to the payment and lump payments, with a read-only summary beside it.
#pragma once

#include <QAbstractTableModel>

#include <array>
#include <memory>
#include <optional>

#include "scenario/payment_table.h"
#include "windowkit/child_window.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;

namespace hl {

/// Shows a PaymentGrid to the table view: the four captions as the header, the change and lump
/// columns right-aligned.
class PaymentGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit PaymentGridModel(PaymentGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// Call around a rebuild of the whole grid.
    void BeginRebuild() { beginResetModel(); }
    void EndRebuild() { endResetModel(); }
    /// Tells the view that cells of these columns changed in every row.
    void ColumnsChanged(int firstColumn, int lastColumn);

  private:
    PaymentGrid& grid_;
};

/// The payments a grid lists: the length of loan, the frequency and the first payment's date.
struct PaymentCalendar {
    Single term = 0;
    Frequency frequency = kWeekly;
    DayNumber start = 0;
    bool operator==(const PaymentCalendar&) const = default;
};

class PaymentChangesWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit PaymentChangesWindow(AppContext& context, QWidget* parent = nullptr);

    /// The grid as plain data (tests and the benchmark read it).
    const PaymentGrid& Grid() const { return grid_; }

    /// Fills the grid and the summary list from the scenario's length of loan, frequency and
    /// start date and from the table of payment changes. Called right after the window is shown;
    /// calling it again starts from a clean grid and list.
    void Prepare();
    /// The same for a table other than the study's (a second scenario's): the payments of
    /// `calendar` and the entries of `table`, which the edits, Delete All Data and the closing
    /// then write instead of the study's. The window shares the table, so an owner that goes
    /// away never leaves it writing into a table that is gone. A grid prepared for another
    /// table is stored into that table first.
    void Prepare(const PaymentCalendar& calendar, std::shared_ptr<PaymentChanges> table);
    /// True when the window edits `table` (prepared for it and not since for another).
    bool Edits(const PaymentChanges* table) const { return prepared_ && &Table() == table; }

    /// The payment-changes report of the entries as the grid shows them, or the warning that
    /// there are none.
    PrintOut PrintForm() const override;
    /// The study's table was changed elsewhere (erased by the time-frame question): the grid
    /// and the list show it as it now is, so that closing never writes back erased entries.
    void StudyChanged() override;
    /// The cell being typed in, when the grid edits the study's own table.
    void AddPendingEdits(Scenario& scenario, PaymentChanges& changes) const override;

    // Event handlers, public so that tests can drive them where the focus is unreliable.
    /// A double click: opens the current cell for editing, the caret after its text.
    void Grid1DblClick();
    /// A character key on the grid: opens the current cell and, unless the key is Enter, types
    /// the key into the edit box in place of the cell's text.
    void Grid1KeyPress(const QKeyEvent& key);
    void Text1LostFocus();
    void Command1Click();
    void Command2Click();
    void Command3Click();

  protected:
    void Unloading() override;
    void showEvent(QShowEvent* event) override;

  private:
    void DropKeysTypedWhileOpening();
    void Text1Enter(); ///< Enter ends the edit and goes back to the grid
    /// Places the controls; the grid's columns fit the font in use.
    void LayOutControls();
    void ApplyColumnWidths();
    void StartEdit();
    void PlaceEditBox();
    /// Writes the grid into the table. False when nothing was written: the grid was never
    /// prepared, or it no longer describes the scenario's calendar (the time frame was edited
    /// while this window was open) and is then rebuilt unless the window is `closing`.
    bool StoreGrid(bool closing);
    void FillSummary();
    /// Switches to the table and calendar given (none: the study's), storing the grid into the
    /// table it was prepared for when that changes.
    void Retarget(std::optional<PaymentCalendar> calendar, std::shared_ptr<PaymentChanges> table);
    void Fill();
    /// The table the grid edits and the calendar it follows: the study's unless prepared for
    /// others.
    PaymentChanges& Table() const;
    PaymentCalendar Calendar() const;

    PaymentGrid grid_;
    PaymentGridModel* model_;

    QLabel* Label5;        ///< title
    QLabel* Label3;        ///< "Enter changes in this table:"
    QTableView* Grid1;     ///< one row per payment, then an empty row
    QLineEdit* Text1;      ///< edit box laid over the cell being edited
    QLabel* Label2;        ///< edit hint in red, hidden after the first edit ends
    QLabel* Label1;        ///< how to edit, first line
    QLabel* Label6;        ///< how to edit, second line
    QLabel* Label4;        ///< above the summary list
    QListWidget* List1;    ///< summary of the table, read-only
    QPushButton* Command2; ///< "Delete All Data"
    QPushButton* Command3; ///< "Info - read me"
    QPushButton* Command1; ///< "Close"

    std::array<int, kPaymentColumns> columnWidths_{}; ///< pixels

    bool prepared_ = false;
    bool opening_ = false; ///< shown and not yet prepared: keys typed before are dropped
    bool editing_ = false;
    int editRow_ = 0;
    int editColumn_ = 0;

    // The calendar the grid was prepared for; rows carry its dates.
    PaymentCalendar preparedCalendar_{};

    std::shared_ptr<PaymentChanges> ownTable_;   ///< a table not the study's, when given
    std::optional<PaymentCalendar> ownCalendar_; ///< its fixed calendar
};

} // namespace hl
