// The main window `MDIForm1`: menus, the toolbar strip, and the area that holds every other
// window as a child. It carries out the commands and is the host of the child windows.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <functional>
#include <map>
#include <string>

#include "app/toolbar_strip.h"
#include "scenario/session.h"
#include "windowkit/app_context.h"
#include "windowkit/window_host.h"
#include "windowkit/window_registry.h"

namespace hl {

class StudyKeeper;

class MainWindow : public QMainWindow, public WindowHost {
    Q_OBJECT
  public:
    MainWindow(Session& session, Services& services, WindowRegistry windows,
               QWidget* parent = nullptr);

    // WindowHost
    ChildWindow* ActiveChild() const override;
    ChildWindow* ShowChild(WindowId id) override;
    void CloseChild(WindowId id) override;
    ChildWindow* FindChild(WindowId id) const override;
    void ResetResultWindows() override;
    void CloseResultWindows() override;
    void ReopenToolWindows() override;
    void ResetResultWindowsIfChanged() override;
    void SaveOpenWindowStates() override;
    void HideToolTip() override;
    void EndProgram() override;

    /// The menu command of that objectName ("new", "schedule"...), for tests and the toolbar.
    QAction* Command(const char* name) const;
    ToolbarStrip* Picture2; ///< toolbar strip with Image1..Image12 and the tool tip
    QMdiArea* Area;         ///< the client area holding the child windows
    StudyKeeper* Keeper;    ///< recovery copy, status bar, Open Recent, drops and menu keys

    // Commands
    void NewClick();
    void OpenClick();
    void SaveClick();
    void PrintReportClick();
    void PrintCurrentFormClick();
    void PrinterSetupClick();
    void QuitClick();
    void CopyClick();
    void InputFormClick();
    void HelpTopicsClick();

  signals:
    /// The program should end now (the working files are already deleted).
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ChildWindow* BringUp(WindowId id);
    /// The child the user works in (the active one, or the one that was active when a dialog
    /// took the activation away).
    ChildWindow* CurrentChild() const;
    /// Before a command reads the study: the box the user is still in, in the current child, is
    /// checked and stored as leaving it would; results computed before that value close. False
    /// when the check refused the value: the command must not run.
    bool FinishPendingEdit();
    bool FinishPendingEditOf(ChildWindow* window);
    /// A command that reads the study runs only after the pending edit was accepted.
    std::function<void()> ReadingStudy(void (MainWindow::*command)());
    /// A child became active: the one the user left has its pending edit checked.
    void ChildActivated(ChildWindow* window);
    /// Tells the open windows when the scenario or its changes differ from what they last saw.
    void TellStudyChanged();
    void BuildMenus();
    void WireToolbar();
    QAction* AddCommand(QMenu* menu, const char* name, const QString& caption);
    /// A command that opens a window: greyed while the program lacks the window, and running the
    /// completeness check first when the window needs a scenario.
    QAction* AddWindowCommand(QMenu* menu, const char* name, const QString& caption, WindowId id);
    void OpenWindow(WindowId id);
    bool Has(WindowId id) const;
    /// The record the open result windows were computed from.
    void NoteResultsBasis();
    /// Quit's end: deletes the working files, closes help, ends.
    void EndNow();

    Session& session_;
    Services& services_;
    AppContext context_;
    WindowRegistry windows_;
    std::map<std::string, QAction*> commands_;
    bool ending_ = false;
    int opening_ = 0; ///< windows being brought up now; the reset leaves them alone
    Scenario basisScenario_;
    PaymentChanges basisChanges_;
    Scenario toldScenario_; ///< the study as the open windows were last told of it
    PaymentChanges toldChanges_;
    QPointer<ChildWindow> lastActive_; ///< the child active before the one now active
    bool finishing_ = false;           ///< a pending edit is being checked, or a command runs
};

} // namespace hl
