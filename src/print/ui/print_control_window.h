// The print control window (Form15): the scenario's three reports with the pages each takes,
// ticked for printing as one document.
#pragma once

#include "display/schedule_view.h"
#include "engine/schedule_file.h"
#include "windowkit/child_window.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace hl {

class PrintControlWindow : public ChildWindow {
    Q_OBJECT
  public:
    /// Runs the schedule (writing its working file, as every schedule run does) and counts the
    /// pages of the three reports (the window's load).
    explicit PrintControlWindow(AppContext& context, QWidget* parent = nullptr);

    // Event handlers, public so that the tests can run them.
    void CheckClick();    ///< any of the three check boxes: count the pages again
    void Command3Click(); ///< Print
    void Command1Click(); ///< Close
    void Command4Click(); ///< Printer Setup

    QCheckBox* Check3;     ///< "Summary"
    QCheckBox* Check2;     ///< "Payment Changes"
    QCheckBox* Check1;     ///< "Schedule"
    QLineEdit* Text1;      ///< the summary's status
    QLineEdit* Text2;      ///< the payment changes' status
    QLineEdit* Text3;      ///< the schedule's status
    QLineEdit* Text4;      ///< total pages to print
    QPushButton* Command3; ///< "Print"
    QPushButton* Command1; ///< "Close"
    QPushButton* Command4; ///< "Printer Setup"

  private:
    void BuildControls();
    void CountPagesNow();

    ScheduleFile schedule_; ///< the run counted and printed
    ScheduleView view_ = ScheduleView::AllPayments;
};

} // namespace hl
