// The parked-changes viewer (Form13): lists scenario one's payment changes from the copy the
// compare-scenarios window parks in "$$xptemp.bin".
#pragma once

#include <vector>

#include "engine/engine.h"
#include "windowkit/child_window.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace hl {

class PaymentChangesViewer : public ChildWindow {
    Q_OBJECT
  public:
    /// Reads the parked copy at once; a missing or damaged file leaves the list empty.
    explicit PaymentChangesViewer(AppContext& context, QWidget* parent = nullptr);

    void Command1Click();
    /// Scenario one's table changed while the list stood open (erased by the time-frame
    /// question): the list shows the table as it now is.
    void StudyChanged() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    /// Places the controls in the window's present size.
    void LayOutControls();
    void LoadParkedChanges();
    void List(const std::vector<PaymentChange>& entries);

    QLabel* Label1;        ///< "Date"
    QLabel* Label2;        ///< "Payment Change"
    QLabel* Label3;        ///< "Lump Payment"
    QListWidget* List1;    ///< one line per parked entry
    QPushButton* Command1; ///< "Close"
};

} // namespace hl
