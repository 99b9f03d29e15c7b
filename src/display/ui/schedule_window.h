// The schedule window (Form7): the payment schedule of the scenario in a grid, with every
// payment, the loan anniversaries or the year ends, and the three graphs of the schedule.
#pragma once

#include <string>

#include "display/schedule_view.h"
#include "engine/schedule_file.h"
#include "windowkit/child_window.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

namespace hl {

struct GraphData;
class ScheduleModel;

class ScheduleWindow : public ChildWindow {
    Q_OBJECT
  public:
    /// Runs the schedule for the session's scenario and fills the grid with the option stored
    /// in the working file (the window's load).
    explicit ScheduleWindow(AppContext& context, QWidget* parent = nullptr);

    /// The selected cells of the grid for the clipboard: cells separated by tabs, rows by
    /// "\r\n". With nothing selected, the current cell; with no current cell either, "".
    std::string SelectedCellsText() const;
    ClipboardContent CopyContent() const override { return {SelectedCellsText(), {}}; }

    /// The schedule report in the option the grid shows.
    PrintOut PrintForm() const override;

    /// The option the grid shows now.
    ScheduleView View() const { return view_; }

  protected:
    void SaveState() override;

  private:
    void BuildControls();
    void Load();
    /// Shares the grid's width among its columns so that all of them are in sight.
    void FitColumns();
    /// Fills the grid with the rows of `view` and remembers the option in the working file.
    void Fill(ScheduleView view);
    /// Keeps the grid option in its working file.
    void KeepOption(ScheduleView view);
    /// Shows the graph window and draws `graph` in it.
    void ShowGraph(const GraphData& graph);

    void Option1Click();
    void Option2Click();
    void Option3Click();
    void Command1Click();
    void Command2Click();
    void Command6Click();
    void Command3Click();
    void Command4Click();

    QTableView* Grid1;     ///< the schedule, one fixed header row
    QGroupBox* Frame1;     ///< "Grid Display Options"
    QRadioButton* Option1; ///< "All Payments"
    QRadioButton* Option2; ///< "Loan Anniversaries only"
    QRadioButton* Option3; ///< "Year Ends only"
    QLabel* Label1;        ///< "Graphs", over the graph buttons
    QPushButton* Command1; ///< balance over time
    QPushButton* Command2; ///< accumulated interest versus accumulated principal
    QPushButton* Command6; ///< components of the regular payment
    QPushButton* Command4; ///< "Close"
    QPushButton* Command3; ///< "Quit": closes this window, as Close does

    ScheduleModel* model_;
    ScheduleFile schedule_; ///< the schedule run at load, which every option and graph shows
    ScheduleView view_ = ScheduleView::AllPayments;
};

} // namespace hl
