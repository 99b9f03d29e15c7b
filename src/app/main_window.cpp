// The main window: child windows by id, and the commands of the menus and toolbar.
#include "app/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/study_commands.h"
#include "app/study_keeper.h"
#include "platform/twips.h"
#include "print/ui/print_document.h"
#include "windowkit/child_window.h"

namespace hl {
namespace {

ChildWindow* WindowIn(const QMdiSubWindow* frame) {
    return frame ? qobject_cast<ChildWindow*>(frame->widget()) : nullptr;
}

// A child's place moved up and left as far as needed to show it whole in the client area; one
// larger than the area starts at its left or top edge, and the area's scroll bars reach the rest.
QRect InsideArea(QRect place, const QSize& area) {
    place.moveLeft(std::max(0, std::min(place.left(), area.width() - place.width())));
    place.moveTop(std::max(0, std::min(place.top(), area.height() - place.height())));
    return place;
}

// Keeps a flag raised for the lifetime of a scope.
class Raised {
  public:
    explicit Raised(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Raised() { flag_ = was_; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

  private:
    bool& flag_;
    bool was_;
};

} // namespace

MainWindow::MainWindow(Session& session, Services& services, WindowRegistry windows,
                       QWidget* parent)
    : QMainWindow(parent), session_(session),
      services_(services), context_{session, services, *this}, windows_(std::move(windows)) {
    setObjectName("MDIForm1");
    setWindowTitle(tr("Hearthline - version 2.0"));

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Picture2 = new ToolbarStrip(client);
    Area = new QMdiArea(client);
    Area->setObjectName("ClientArea");
    // When a window closes, the one the user came from comes back (a graph's schedule), not
    // the first one ever opened.
    Area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    // A child larger than the area (or moved past its edge) is reached by scrolling.
    Area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Area->viewport()->setMouseTracking(true);
    Area->viewport()->installEventFilter(this);
    layout->addWidget(Picture2);
    layout->addWidget(Area);
    setCentralWidget(client);

    BuildMenus();
    WireToolbar();
    connect(Area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* frame) {
        // A dialog taking the activation away activates no child: nothing was left.
        if (ChildWindow* window = WindowIn(frame))
            ChildActivated(window);
    });

    // The place is the frame's, title bar included; the size is the client's.
    resize(Twips(9475), Twips(7000));
    move(Twips(10), Twips(10));
    Picture2->HideTip();
    session_.ResetScenario();
    NoteResultsBasis();
    toldScenario_ = session_.scenario;
    toldChanges_ = session_.changes;
    Keeper = new StudyKeeper(*this, context_, windows_);
}

QAction* MainWindow::Command(const char* name) const {
    auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : it->second;
}

// ---- child windows -------------------------------------------------------------------------

bool MainWindow::Has(WindowId id) const {
    const WindowRow* row = FindRow(windows_, id);
    return row && row->make;
}

ChildWindow* MainWindow::ActiveChild() const { return WindowIn(Area->activeSubWindow()); }

ChildWindow* MainWindow::FindChild(WindowId id) const {
    // A closed frame stays in the list until it is deleted; it is no open window.
    for (QMdiSubWindow* frame : Area->subWindowList())
        if (ChildWindow* window = WindowIn(frame);
            window && !frame->isHidden() && window->Id() == id)
            return window;
    return nullptr;
}

ChildWindow* MainWindow::CurrentChild() const { return WindowIn(Area->currentSubWindow()); }

ChildWindow* MainWindow::ShowChild(WindowId id) {
    // Going to another window is leaving the box the user is in: what was typed there is checked
    // before the window shows anything, and a refused value keeps the user in the box.
    if (ChildWindow* current = CurrentChild();
        current && current->Id() != id && opening_ == 0 && !FinishPendingEditOf(current))
        return nullptr;
    // Bringing a window up moves the focus out of the input form; nothing that happens on the
    // way may close the window being brought up.
    ++opening_;
    ChildWindow* shown = BringUp(id);
    --opening_;
    return shown;
}

ChildWindow* MainWindow::BringUp(WindowId id) {
    if (ChildWindow* open = FindChild(id)) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(open->parentWidget())) {
            frame->showNormal();
            Area->setActiveSubWindow(frame);
            frame->raise();
        }
        return open;
    }
    const WindowRow* row = FindRow(windows_, id);
    if (!row || !row->make)
        return nullptr;
    ChildWindow* window = row->make(context_);
    if (!window)
        return nullptr;
    if (row->resultWindow)
        NoteResultsBasis();
    QMdiSubWindow* frame = Area->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(QIcon(QPixmap(1, 1)));
    // A window's place in twips is its frame's: the caption and borders come out of it.
    const QRect place = window->PlaceAsked();
    if (place.isValid())
        frame->setGeometry(InsideArea(place, Area->viewport()->size()));
    frame->show();
    Area->setActiveSubWindow(frame);
    return window;
}

void MainWindow::CloseChild(WindowId id) {
    if (ChildWindow* open = FindChild(id))
        open->Unload();
}

void MainWindow::NoteResultsBasis() {
    basisScenario_ = session_.scenario;
    basisChanges_ = session_.changes;
}

void MainWindow::ResetResultWindows() {
    if (opening_ > 0 || !IsActive(WindowId::Form2))
        return;
    CloseResultWindows();
}

void MainWindow::CloseResultWindows() {
    // The windows coming forward as these close were not chosen by the user: nothing is left.
    Raised closing(finishing_);
    for (const WindowRow& row : windows_)
        if (row.resultWindow)
            CloseChild(row.id);
    NoteResultsBasis();
}

void MainWindow::ReopenToolWindows() {
    // Called with the input form active, so that the windows closing here keep their working
    // files as just written; each opens again from its file where it stood.
    Raised reopening(finishing_);
    ChildWindow* current = CurrentChild();
    for (const WindowRow& row : windows_) {
        if (!row.toolFile || row.resultWindow)
            continue;
        ChildWindow* open = FindChild(row.id);
        auto* frame = open ? qobject_cast<QMdiSubWindow*>(open->parentWidget()) : nullptr;
        if (!frame)
            continue;
        const QRect place = frame->geometry();
        open->Unload();
        if (ChildWindow* again = ShowChild(row.id))
            if (auto* fresh = qobject_cast<QMdiSubWindow*>(again->parentWidget()))
                fresh->setGeometry(place);
    }
    if (current && current != CurrentChild())
        if (auto* frame = qobject_cast<QMdiSubWindow*>(current->parentWidget()))
            Area->setActiveSubWindow(frame);
}

void MainWindow::ResetResultWindowsIfChanged() {
    if (!(session_.scenario == basisScenario_ && session_.changes == basisChanges_))
        ResetResultWindows();
    TellStudyChanged();
}

void MainWindow::TellStudyChanged() {
    if (session_.scenario == toldScenario_ && session_.changes == toldChanges_)
        return;
    toldScenario_ = session_.scenario;
    toldChanges_ = session_.changes;
    for (QMdiSubWindow* frame : Area->subWindowList())
        if (ChildWindow* window = WindowIn(frame); window && !frame->isHidden())
            window->StudyChanged();
}

bool MainWindow::FinishPendingEdit() {
    ChildWindow* current = CurrentChild();
    return !current || FinishPendingEditOf(current);
}

bool MainWindow::FinishPendingEditOf(ChildWindow* window) {
    if (finishing_)
        return true; // the command running now has checked it
    bool accepted = false;
    {
        Raised finishing(finishing_);
        accepted = window->FinishPendingEdit();
    }
    // Results computed before the value was stored no longer show the study.
    if (accepted && !(session_.scenario == basisScenario_ && session_.changes == basisChanges_))
        CloseResultWindows();
    return accepted;
}

std::function<void()> MainWindow::ReadingStudy(void (MainWindow::*command)()) {
    return [this, command] {
        if (!FinishPendingEdit())
            return;
        Raised running(finishing_);
        (this->*command)();
    };
}

void MainWindow::ChildActivated(ChildWindow* window) {
    ChildWindow* left = lastActive_;
    lastActive_ = window;
    if (left && left != window && !finishing_ && opening_ == 0) {
        // The user clicked into another window: the box left behind is checked now, and a
        // refused value takes the user back to it.
        if (!FinishPendingEditOf(left)) {
            if (auto* frame = qobject_cast<QMdiSubWindow*>(left->parentWidget())) {
                Raised back(finishing_);
                lastActive_ = left;
                Area->setActiveSubWindow(frame);
            }
            return;
        }
        if (!window->isVisible())
            return; // it showed results of the value before, and closed
    }
    window->Activated();
}

void MainWindow::SaveOpenWindowStates() {
    for (const WindowRow& row : windows_)
        if (row.toolFile)
            if (ChildWindow* open = FindChild(row.id))
                open->SaveState();
}

void MainWindow::HideToolTip() { Picture2->HideTip(); }

void MainWindow::EndProgram() { QuitClick(); }

// ---- menus and toolbar ---------------------------------------------------------------------

QAction* MainWindow::AddCommand(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    action->setObjectName(name);
    commands_[name] = action;
    return action;
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->installEventFilter(this);
    auto topMenu = [&](const char* name, const QString& caption, int helpContext) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        menu->setProperty("helpContext", helpContext);
        menu->menuAction()->setProperty("helpContext", helpContext);
        menu->installEventFilter(this);
        return menu;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(name);
    };

    QMenu* file = topMenu("File", tr("File"), 510);
    // The commands that read the study take what the user typed last, checked first.
    connect(AddCommand(file, "new", tr("New ")), &QAction::triggered, this,
            ReadingStudy(&MainWindow::NewClick));
    connect(AddCommand(file, "Open", tr("Open")), &QAction::triggered, this,
            ReadingStudy(&MainWindow::OpenClick));
    connect(AddCommand(file, "save", tr("Save ")), &QAction::triggered, this,
            ReadingStudy(&MainWindow::SaveClick));
    separator(file, "s1");
    connect(AddCommand(file, "PCFO", tr("Print Current Form Only")), &QAction::triggered, this,
            ReadingStudy(&MainWindow::PrintCurrentFormClick));
    connect(AddCommand(file, "PAFWD", tr("Print Report")), &QAction::triggered, this,
            ReadingStudy(&MainWindow::PrintReportClick));
    separator(file, "s3");
    connect(AddCommand(file, "printsetup", tr("Printer Setup")), &QAction::triggered, this,
            &MainWindow::PrinterSetupClick);
    separator(file, "s2");
    connect(AddCommand(file, "Quit", tr("Quit")), &QAction::triggered, this,
            ReadingStudy(&MainWindow::QuitClick));

    QMenu* edit = topMenu("Edit", tr("Edit"), 520);
    connect(AddCommand(edit, "copy", tr("Copy")), &QAction::triggered, this,
            &MainWindow::CopyClick);

    QMenu* view = topMenu("View", tr("View"), 530);
    AddWindowCommand(view, "schedule", tr("Schedule"), WindowId::Form7);
    AddWindowCommand(view, "summary", tr("Summary"), WindowId::Form3);
    connect(AddCommand(view, "IN_FORM", tr("Input Form")), &QAction::triggered, this,
            ReadingStudy(&MainWindow::InputFormClick));

    QMenu* tools = topMenu("tools", tr("Tools"), 540);
    AddWindowCommand(tools, "solvefor", tr("Solve For..."), WindowId::Form14);
    AddWindowCommand(tools, "mestimate", tr("Mtge Estimate"), WindowId::Form5);
    AddWindowCommand(tools, "Payshop", tr("Payment Shopper"), WindowId::Form9);
    AddWindowCommand(tools, "purchase", tr("Buying a Home"), WindowId::Form19);

    QMenu* analysis = topMenu("Analysis", tr("Analysis"), 550);
    AddWindowCommand(analysis, "EDP", tr("Calc Early Discharge Penalty"), WindowId::Form10);
    AddWindowCommand(analysis, "LenderTerms", tr("Lender's Terms and Penalty"), WindowId::Form18);
    QMenu* refinance = analysis->addMenu(tr("Refinance (Rewrite mtge before maturity)"));
    refinance->setObjectName("refdrv");
    refinance->menuAction()->setObjectName("refdrv");
    commands_["refdrv"] = refinance->menuAction();
    AddWindowCommand(refinance, "Run_AS", tr("Run a Scenario"), WindowId::Form8);
    AddWindowCommand(refinance, "r_sfdir", tr("Solve for Date and/or Interest Rate"),
                     WindowId::Form12);
    refinance->menuAction()->setEnabled(Has(WindowId::Form8) || Has(WindowId::Form12));

    AddWindowCommand(nullptr, "comp_scen", tr("Compare Scenarios"), WindowId::Form11)
        ->setProperty("helpContext", 560);
    AddWindowCommand(nullptr, "Suggest", tr("$ Saving Suggestions"), WindowId::Form16);

    QMenu* help = topMenu("Help", tr(" Help"), 0);
    connect(AddCommand(help, "Helptopics", tr("Help Topics")), &QAction::triggered, this,
            &MainWindow::HelpTopicsClick);
    AddWindowCommand(help, "About", tr("About"), WindowId::Form17);
    Command("PAFWD")->setEnabled(Has(WindowId::Form15));
}

QAction* MainWindow::AddWindowCommand(QMenu* menu, const char* name, const QString& caption,
                                      WindowId id) {
    QAction* action = AddCommand(menu, name, caption);
    // A command whose window the program does not have yet stays visible but greyed.
    action->setEnabled(Has(id));
    connect(action, &QAction::triggered, this, [this, id] { OpenWindow(id); });
    return action;
}

void MainWindow::WireToolbar() {
    // A click on a picture runs exactly the handler of its menu command.
    const char* commandOf[12] = {"Open",      "save",    "PCFO", "schedule", "summary", "comp_scen",
                                 "mestimate", "Payshop", "EDP",  "Run_AS",   "Quit",    "Suggest"};
    for (int k = 1; k <= 12; ++k) {
        QAction* action = Command(commandOf[k - 1]);
        Picture2->OnImageClick(k, [action] { action->trigger(); });
        Picture2->SetImageEnabled(k, action->isEnabled());
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        // F1 on a highlighted top menu opens help at that menu's topic.
        int context = watched->property("helpContext").toInt();
        if (watched == menuBar() && menuBar()->activeAction())
            context = menuBar()->activeAction()->property("helpContext").toInt();
        if (context > 0) {
            services_.ShowHelp(context);
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove && watched == Area->viewport())
        HideToolTip();
    return QMainWindow::eventFilter(watched, event);
}

// ---- commands ------------------------------------------------------------------------------

void MainWindow::OpenWindow(WindowId id) {
    if (!FinishPendingEdit())
        return;
    Raised running(finishing_);
    const WindowRow* row = FindRow(windows_, id);
    if (row && row->needsScenario && !IsComplete(session_.scenario)) {
        services_.Beep();
        services_.Tell(tr("Mtge Error Trap").toStdString(),
                       tr("Error - Input data is incomplete").toStdString());
        ShowChild(WindowId::Form2);
        return;
    }
    ShowChild(id);
}

void MainWindow::NewClick() { NewStudy(context_); }

void MainWindow::OpenClick() {
    if (session_.Unsaved()) {
        const MessageAnswer answer = services_.Ask(
            StudyText(kDataLossTitle), StudyText(kOpenQuestion), MessageButtons::YesNoCancel);
        if (answer != MessageAnswer::No)
            return;
    }
    OpenStudy(context_);
}

void MainWindow::SaveClick() { SaveStudy(context_); }

void MainWindow::PrintReportClick() {
    if (!IsComplete(session_.scenario)) {
        services_.Beep();
        services_.Tell(
            tr("Mtge Print Error Trap").toStdString(),
            tr("Error - Input data is incomplete.  Complete the input form and try again.")
                .toStdString());
        ShowChild(WindowId::Form2);
        return;
    }
    ShowChild(WindowId::Form15);
}

void MainWindow::PrintCurrentFormClick() {
    // Every window answers: with its report, or with the message that says where its data is
    // printed.
    if (ChildWindow* active = ActiveChild())
        PrintOrRefuse(services_, active->windowTitle().trimmed().toStdString(),
                      active->PrintForm());
}

void MainWindow::PrinterSetupClick() { services_.AskPrinterSetup(); }

void MainWindow::QuitClick() {
    if (!MayQuit(context_))
        return;
    EndNow();
}

void MainWindow::EndNow() {
    ending_ = true;
    DeleteWorkingFiles(session_.folder);
    services_.CloseHelp();
    emit programEnded();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the frame is Quit: it asks before unsaved edits are lost.
    if (ending_ || (FinishPendingEdit() && MayQuit(context_))) {
        if (!ending_)
            EndNow();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::CopyClick() {
    ChildWindow* active = ActiveChild();
    const WindowRow* row = active ? FindRow(windows_, active->Id()) : nullptr;
    if (row && row->copies) {
        const ClipboardContent content = active->CopyContent();
        services_.ClearClipboard();
        if (!content.picture.isNull())
            services_.SetClipboardImage(content.picture);
        else
            services_.SetClipboardText(content.text);
        return;
    }
    services_.Beep();
    services_.Tell(tr("Mortgage Warning Notice").toStdString(),
                   tr("Error - there is nothing to copy. Graphs and "
                      "Schedules are the only items that can be copied to clipboard.")
                       .toStdString());
}

void MainWindow::InputFormClick() {
    ResetResultWindows();
    ShowChild(WindowId::Form2);
}

void MainWindow::HelpTopicsClick() { services_.ShowHelp(0); }

} // namespace hl
