// The whole desktop program in a test: a main window with the program's own window table, a
// private working folder and scripted services.
#pragma once

#include <QApplication>
#include <QMdiSubWindow>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "app/program_windows.h"
#include "core/day_number.h"
#include "files/working_files.h"
#include "support/scripted_services.h"
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
    /// A Monthly loan of 100000 at 10 % over 25 years, five years long, from Jan 1 1996.
    void CompleteScenario() {
        session.scenario.amount = 100000.0f;
        session.scenario.rate = 10.0f;
        session.scenario.amortization = 25.0f;
        session.scenario.term = 5.0f;
        session.scenario.start = DayFromCivil(1996, 1, 1);
        session.scenario.frequency = kMonthly;
    }
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
