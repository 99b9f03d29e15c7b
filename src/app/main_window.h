// The main window `MDIForm1`: menus, the toolbar strip, and the area that holds every other
// window as a child. It carries out the commands and is the host of the child windows.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <map>
#include <string>

#include "app/toolbar_strip.h"
#include "app/window_factories.h"
#include "windowkit/window_host.h"
#include "windowkit/app_context.h"

namespace hl {

class MainWindow : public QMainWindow, public WindowHost {
    Q_OBJECT
public:
    MainWindow(Session& session, Services& services, WindowFactories factories,
               QWidget* parent = nullptr);

    // WindowHost
    std::string ActiveChildName() const override;
    QWidget* ShowChild(const std::string& name) override;
    void CloseChild(const std::string& name) override;
    QWidget* FindChild(const std::string& name) const override;
    void ResetResultWindows() override;
    void HideToolTip() override;
    void EndProgram() override;

    /// The menu command of that objectName ("new", "schedule"...), for tests and the toolbar.
    QAction* Command(const char* name) const;
    ToolbarStrip* Picture2; ///< toolbar strip with Image1..Image12 and the tool tip
    QMdiArea* Area;         ///< the client area holding the child windows

    // Commands
    void NewClick();
    void OpenClick();
    void SaveClick();
    void PrintReportClick();
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
    QWidget* BringUp(const std::string& name);
    void BuildMenus();
    void WireToolbar();
    QAction* AddCommand(QMenu* menu, const char* name, const QString& caption);
    /// Opens a window that needs a complete scenario, or says the input is incomplete.
    void ShowNeedingScenario(const char* name);
    bool Has(const char* window) const { return factories_.count(window) > 0; }
    /// Quit's end: deletes the working files, closes help, ends.
    void EndNow();

    Session& session_;
    Services& services_;
    AppContext context_;
    WindowFactories factories_;
    std::map<std::string, QAction*> commands_;
    bool ending_ = false;
    int opening_ = 0; ///< windows being brought up now; the reset leaves them alone
};

} // namespace hl
