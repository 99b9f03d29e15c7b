// The whole desktop program in a test: a main window with the program's own window table, a
// private working folder and scripted services.
#pragma once

#include <QApplication>
#include <QMdiSubWindow>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "app/program_windows.h"
#include "files/working_files.h"
#include "support/scripted_services.h"
#include "support/standard_scenario.h"
#include "support/temp_folder.h"
#include "windowkit/child_window.h"

namespace hl::test {

struct Program {
    Program() {
        session.folder = folder.Prefix();
        ResetToolFiles(session.folder);
        window = std::make_unique<MainWindow>(session, services, ProgramWindows());
        QObject::connect(window.get(), &MainWindow::programEnded, [this] { ++ended; });
        window->show();
        QApplication::setActiveWindow(window.get());
        window->ShowChild(WindowId::Form2);
    }
    /// The standard scenario, complete.
    void CompleteScenario() { session.scenario = StandardScenario(); }
    /// The active child's name, "" when there is none.
    std::string Active() const {
        const ChildWindow* active = window->ActiveChild();
        return active ? WindowName(active->Id()) : "";
    }
    /// The frame the main window put the child in.
    QMdiSubWindow* FrameOf(WindowId id) const {
        ChildWindow* open = window->FindChild(id);
        return open ? qobject_cast<QMdiSubWindow*>(open->parentWidget()) : nullptr;
    }
    /// How many frames stand in the client area, empty ones included.
    int Frames() const { return static_cast<int>(window->Area->subWindowList().size()); }

    TempFolder folder;
    Session session;
    ScriptedServices services;
    std::unique_ptr<MainWindow> window;
    int ended = 0;
};

} // namespace hl::test
