// The recovery copy's timer, the status bar, Open Recent, drops and keys, fitted to the main
// window.
#include "app/study_keeper.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <unistd.h>

#include "app/keyboard_access.h"
#include "app/main_window.h"
#include "app/recent_studies.h"
#include "app/status_strip.h"
#include "app/study_commands.h"
#include "app/study_drop.h"
#include "windowkit/child_window.h"

namespace hl {

StudyKeeper::StudyKeeper(MainWindow& window, AppContext& context, const WindowRegistry& windows)
    : QObject(&window), window_(window), context_(context), windows_(windows),
      recovery_(context.services.DataFolder(), context.session.folder,
                static_cast<long>(::getpid())) {
    setObjectName("StudyKeeper");
    timer_.setSingleShot(true);
    timer_.setInterval(kRecoveryDelayMs);
    connect(&timer_, &QTimer::timeout, this, &StudyKeeper::WriteRecovery);

    status_ = new StatusStrip(&window);
    window.setStatusBar(status_);

    // "Open Recent" stands right after "Open".
    QMenu* file = window.menuBar()->findChild<QMenu*>("File");
    auto* recentMenu = new QMenu(tr("Open Recent"), file);
    if (QAction* save = window.Command("save"))
        file->insertMenu(save, recentMenu);
    recent_ = new RecentStudiesMenu(recentMenu, context_);

    new StudyDrop(&window, [this](const std::string& path) { OpenFromOutside(path); });
    ApplyKeyboardAccess(window);
    connect(window.Area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* frame) {
        auto* child = frame ? qobject_cast<ChildWindow*>(frame->widget()) : nullptr;
        const WindowRow* row = child ? FindRow(windows_, child->Id()) : nullptr;
        if (row && row->copies)
            CopyFromGridsWithCtrlC(child, window_);
    });
    connect(&window, &MainWindow::programEnded, this, &StudyKeeper::Ended);

    context_.session.WatchFlag([this] { FlagSet(); });
    FlagSet();
}

StudyKeeper::~StudyKeeper() { context_.session.WatchFlag({}); }

void StudyKeeper::FlagSet() {
    const Session& session = context_.session;
    status_->Show(session);
    if (session.Unsaved()) {
        // Coalesced: every edit until the timer runs out goes into one write.
        if (!timer_.isActive())
            timer_.start();
        return;
    }
    timer_.stop();
    recovery_.Remove();
    if (!session.studyPath.empty())
        recent_->Note(session.studyPath);
}

void StudyKeeper::WriteRecovery() {
    if (!context_.session.Unsaved())
        return;
    // While a question is open the record may hold a value the user is still asked about.
    if (QApplication::activeModalWidget()) {
        timer_.start();
        return;
    }
    Study study = CurrentStudy(context_);
    for (const WindowRow& row : windows_)
        if (ChildWindow* open = window_.FindChild(row.id))
            open->AddPendingEdits(study.scenario, study.changes);
    if (recovery_.Write(study, context_.session.studyPath) || failureTold_)
        return;
    failureTold_ = true;
    context_.services.Tell(RecoveryText(kRecoveryTitle),
                           tr("The recovery copy of the study cannot be written to %1.\rSave the "
                              "study often: a crash would lose what was not saved.")
                               .arg(QString::fromStdString(recovery_.StudyFile()))
                               .toStdString());
}

void StudyKeeper::OpenFromOutside(const std::string& path) {
    if (MayDiscardForOpen(context_))
        OpenStudyFile(context_, path);
}

void StudyKeeper::Ended() {
    timer_.stop();
    recovery_.Remove();
}

} // namespace hl
