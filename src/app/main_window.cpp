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

} // namespace

MainWindow::MainWindow(Session& session, Services& services, WindowRegistry windows,
                       QWidget* parent)
    : QMainWindow(parent), session_(session),
      services_(services), context_{session, services, *this}, windows_(std::move(windows)) {
    setObjectName("MDIForm1");
    setWindowTitle("Hearthline - version 2.0");

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
    Area->viewport()->setMouseTracking(true);
    Area->viewport()->installEventFilter(this);
    layout->addWidget(Picture2);
    layout->addWidget(Area);
    setCentralWidget(client);

    BuildMenus();
    WireToolbar();
    connect(Area, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* frame) {
        if (ChildWindow* window = WindowIn(frame))
            window->Activated();
    });

    // The place is the frame's, title bar included; the size is the client's.
    resize(Twips(9475), Twips(7000));
    move(Twips(10), Twips(10));
    Picture2->HideTip();
    session_.ResetScenario();
    NoteResultsBasis();
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
    for (QMdiSubWindow* frame : Area->subWindowList())
        if (ChildWindow* window = WindowIn(frame); window && window->Id() == id)
            return window;
    return nullptr;
}

ChildWindow* MainWindow::ShowChild(WindowId id) {
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
        frame->setGeometry(place);
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
    for (const WindowRow& row : windows_)
        if (row.resultWindow)
            CloseChild(row.id);
    NoteResultsBasis();
}

void MainWindow::ResetResultWindowsIfChanged() {
    if (session_.scenario == basisScenario_ && session_.changes == basisChanges_)
        return;
    ResetResultWindows();
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

    QMenu* file = topMenu("File", "File", 510);
    connect(AddCommand(file, "new", "New "), &QAction::triggered, this, &MainWindow::NewClick);
    connect(AddCommand(file, "Open", "Open"), &QAction::triggered, this, &MainWindow::OpenClick);
    connect(AddCommand(file, "save", "Save "), &QAction::triggered, this, &MainWindow::SaveClick);
    separator(file, "s1");
    connect(AddCommand(file, "PCFO", "Print Current Form Only"), &QAction::triggered, this,
            &MainWindow::PrintCurrentFormClick);
    connect(AddCommand(file, "PAFWD", "Print Report"), &QAction::triggered, this,
            &MainWindow::PrintReportClick);
    separator(file, "s3");
    connect(AddCommand(file, "printsetup", "Printer Setup"), &QAction::triggered, this,
            &MainWindow::PrinterSetupClick);
    separator(file, "s2");
    connect(AddCommand(file, "Quit", "Quit"), &QAction::triggered, this, &MainWindow::QuitClick);

    QMenu* edit = topMenu("Edit", "Edit", 520);
    connect(AddCommand(edit, "copy", "Copy"), &QAction::triggered, this, &MainWindow::CopyClick);

    QMenu* view = topMenu("View", "View", 530);
    AddWindowCommand(view, "schedule", "Schedule", WindowId::Form7);
    AddWindowCommand(view, "summary", "Summary", WindowId::Form3);
    connect(AddCommand(view, "IN_FORM", "Input Form"), &QAction::triggered, this,
            &MainWindow::InputFormClick);

    QMenu* tools = topMenu("tools", "Tools", 540);
    AddWindowCommand(tools, "solvefor", "Solve For...", WindowId::Form14);
    AddWindowCommand(tools, "mestimate", "Mtge Estimate", WindowId::Form5);
    AddWindowCommand(tools, "Payshop", "Payment Shopper", WindowId::Form9);

    QMenu* analysis = topMenu("Analysis", "Analysis", 550);
    AddWindowCommand(analysis, "EDP", "Calc Early Discharge Penalty", WindowId::Form10);
    QMenu* refinance = analysis->addMenu("Refinance (Rewrite mtge before maturity)");
    refinance->setObjectName("refdrv");
    refinance->menuAction()->setObjectName("refdrv");
    commands_["refdrv"] = refinance->menuAction();
    AddWindowCommand(refinance, "Run_AS", "Run a Scenario", WindowId::Form8);
    AddWindowCommand(refinance, "r_sfdir", "Solve for Date and/or Interest Rate", WindowId::Form12);
    refinance->menuAction()->setEnabled(Has(WindowId::Form8) || Has(WindowId::Form12));

    AddWindowCommand(nullptr, "comp_scen", "Compare Scenarios", WindowId::Form11)
        ->setProperty("helpContext", 560);
    AddWindowCommand(nullptr, "Suggest", "$ Saving Suggestions", WindowId::Form16);

    QMenu* help = topMenu("Help", " Help", 0);
    connect(AddCommand(help, "Helptopics", "Help Topics"), &QAction::triggered, this,
            &MainWindow::HelpTopicsClick);
    AddWindowCommand(help, "About", "About", WindowId::Form17);
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
    const WindowRow* row = FindRow(windows_, id);
    if (row && row->needsScenario && !IsComplete(session_.scenario)) {
        services_.Beep();
        services_.Tell("Mtge Error Trap", "Error - Input data is incomplete");
        ShowChild(WindowId::Form2);
        return;
    }
    ShowChild(id);
}

void MainWindow::NewClick() { NewStudy(context_); }

void MainWindow::OpenClick() {
    if (session_.Unsaved()) {
        const MessageAnswer answer = services_.Ask(kDataLossTitle,
                                                   "Data is not saved.  Do you want another chance "
                                                   "to save this study before it is erased?",
                                                   MessageButtons::YesNoCancel);
        if (answer != MessageAnswer::No)
            return;
    }
    OpenStudy(context_);
}

void MainWindow::SaveClick() { SaveStudy(context_); }

void MainWindow::PrintReportClick() {
    if (!IsComplete(session_.scenario)) {
        services_.Beep();
        services_.Tell("Mtge Print Error Trap",
                       "Error - Input data is incomplete.  Complete the input form and try again.");
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
    if (ending_ || MayQuit(context_)) {
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
    services_.Tell("Mortgage Warning Notice",
                   std::string("Error - there is nothing to copy. Graphs and ") +
                       "Schedules are the only items that can be copied to clipboard.");
}

void MainWindow::InputFormClick() {
    ResetResultWindows();
    ShowChild(WindowId::Form2);
}

void MainWindow::HelpTopicsClick() { services_.ShowHelp(0); }

} // namespace hl
