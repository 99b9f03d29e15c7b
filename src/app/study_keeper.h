// What keeps the study safe and in view around the main window: the recovery copy written
// shortly after each edit, the status bar, File > Open Recent, drops and the menu keys.
#pragma once

#include <QObject>
#include <QTimer>

#include "app/recovery.h"
#include "windowkit/app_context.h"
#include "windowkit/window_registry.h"

namespace hl {

class MainWindow;
class RecentStudiesMenu;
class StatusStrip;

class StudyKeeper : public QObject {
    Q_OBJECT
  public:
    /// Edits are written to the recovery copy this long after the first of them, at most.
    static constexpr int kRecoveryDelayMs = 1000;

    StudyKeeper(MainWindow& window, AppContext& context, const WindowRegistry& windows);
    ~StudyKeeper() override;

    /// Writes the recovery copy now: what Save would write, boxes still being edited included.
    void WriteRecovery();
    /// Opens a study from outside (a drop, the command line), asking first about unsaved edits.
    void OpenFromOutside(const std::string& path);

    RecoveryCopy& Recovery() { return recovery_; }
    QTimer& RecoveryTimer() { return timer_; }
    StatusStrip* Status() const { return status_; }
    RecentStudiesMenu* Recent() const { return recent_; }

  private:
    /// The unsaved-changes flag was set, up or down.
    void FlagSet();
    /// A normal end of the program: the copy is no longer needed.
    void Ended();

    MainWindow& window_;
    AppContext& context_;
    WindowRegistry windows_;
    RecoveryCopy recovery_;
    QTimer timer_;
    StatusStrip* status_;
    RecentStudiesMenu* recent_;
    bool failureTold_ = false;
};

} // namespace hl
