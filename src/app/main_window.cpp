// The main window: child windows by name, and the commands of the menus and toolbar.
#include "app/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/study_commands.h"
#include "calculators/ui/shopper_window.h"
#include "display/ui/graph_window.h"
#include "display/ui/schedule_window.h"
#include "platform/twips.h"
#include "windowkit/child_window.h"

namespace hl {

MainWindow::MainWindow(Session& session, Services& services, WindowFactories factories,
                       QWidget* parent)
    : QMainWindow(parent), session_(session), services_(services),
      context_{session, services, *this}, factories_(std::move(factories)) {
    setObjectName("MDIForm1");
    setWindowTitle("Hearthline - version 2.0");

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Picture2 = new ToolbarStrip(client);
    Area = new QMdiArea(client);
    Area->setObjectName("ClientArea");
    Area->viewport()->setMouseTracking(true);
    Area->viewport()->installEventFilter(this);
    layout->addWidget(Picture2);
    layout->addWidget(Area);
    setCentralWidget(client);

    BuildMenus();
    WireToolbar();
    connect(Area, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        // The input form recalculates whenever it gets the focus.
        if (sub && sub->widget() && sub->widget()->objectName() == "Form2")
            QMetaObject::invokeMethod(sub->widget(), "Recalculate");
    });

    PlaceTwips(this, 10, 10, 9475, 7000);
    Picture2->HideTip();
    session_.ResetScenario();
}

QAction* MainWindow::Command(const char* name) const {
    auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : it->second;
}

// ---- child windows -------------------------------------------------------------------------

std::string MainWindow::ActiveChildName() const {
    QMdiSubWindow* sub = Area->activeSubWindow();
    return sub && sub->widget() ? sub->widget()->objectName().toStdString() : std::string();
}

QWidget* MainWindow::FindChild(const std::string& name) const {
    for (QMdiSubWindow* sub : Area->subWindowList())
        if (sub->widget() && sub->widget()->objectName().toStdString() == name) return sub->widget();
    return nullptr;
}

QWidget* MainWindow::ShowChild(const std::string& name) {
    // Bringing a window up moves the focus out of the input form, whose box then rechecks its
    // field; that must not count as a change that closes the window being brought up.
    ++opening_;
    QWidget* shown = BringUp(name);
    --opening_;
    return shown;
}

QWidget* MainWindow::BringUp(const std::string& name) {
    if (QWidget* open = FindChild(name)) {
        auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget());
        if (sub) {
            sub->showNormal();
            Area->setActiveSubWindow(sub);
            sub->raise();
        }
        return open;
    }
    auto maker = factories_.find(name);
    if (maker == factories_.end()) return nullptr;
    ChildWindow* window = maker->second(context_);
    if (!window) return nullptr;
    // The window placed itself in twips; its frame takes that place.
    const QRect place = window->geometry();
    QMdiSubWindow* sub = Area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(QIcon(QPixmap(1, 1)));
    sub->show();
    const QSize frame = sub->size() - window->size();
    window->resize(place.size());
    sub->setGeometry(place.x(), place.y(), place.width() + frame.width(),
                     place.height() + frame.height());
    Area->setActiveSubWindow(sub);
    return window;
}

void MainWindow::CloseChild(const std::string& name) {
    if (QWidget* open = FindChild(name)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget()))
            sub->close();
        else
            open->close();
    }
}

void MainWindow::ResetResultWindows() {
    if (opening_ > 0 || ActiveChildName() != "Form2") return;
    for (const char* name : kResultWindows) CloseChild(name);
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
    AddCommand(file, "PCFO", "Print Current Form Only")->setEnabled(false);
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
    connect(AddCommand(view, "schedule", "Schedule"), &QAction::triggered, this,
            [this] { ShowNeedingScenario("Form7"); });
    connect(AddCommand(view, "summary", "Summary"), &QAction::triggered, this,
            [this] { ShowNeedingScenario("Form3"); });
    connect(AddCommand(view, "IN_FORM", "Input Form"), &QAction::triggered, this,
            &MainWindow::InputFormClick);

    QMenu* tools = topMenu("tools", "Tools", 540);
    connect(AddCommand(tools, "solvefor", "Solve For..."), &QAction::triggered, this,
            [this] { ShowChild("Form14"); });
    connect(AddCommand(tools, "mestimate", "Mtge Estimate"), &QAction::triggered, this,
            [this] { ShowChild("Form5"); });
    connect(AddCommand(tools, "Payshop", "Payment Shopper"), &QAction::triggered, this,
            [this] { ShowChild("Form9"); });

    QMenu* analysis = topMenu("Analysis", "Analysis", 550);
    connect(AddCommand(analysis, "EDP", "Calc Early Discharge Penalty"), &QAction::triggered,
            this, [this] { ShowNeedingScenario("Form10"); });
    QMenu* refinance = analysis->addMenu("Refinance (Rewrite mtge before maturity)");
    refinance->setObjectName("refdrv");
    refinance->menuAction()->setObjectName("refdrv");
    commands_["refdrv"] = refinance->menuAction();
    connect(AddCommand(refinance, "Run_AS", "Run a Scenario"), &QAction::triggered, this,
            [this] { ShowNeedingScenario("Form8"); });
    connect(AddCommand(refinance, "r_sfdir", "Solve for Date and/or Interest Rate"),
            &QAction::triggered, this, [this] { ShowNeedingScenario("Form12"); });

    QAction* compare = AddCommand(nullptr, "comp_scen", "Compare Scenarios");
    compare->setProperty("helpContext", 560);
    connect(compare, &QAction::triggered, this, [this] { ShowNeedingScenario("Form11"); });
    connect(AddCommand(nullptr, "Suggest", "$ Saving Suggestions"), &QAction::triggered, this,
            [this] { ShowNeedingScenario("Form16"); });

    QMenu* help = topMenu("Help", " Help", 0);
    connect(AddCommand(help, "Helptopics", "Help Topics"), &QAction::triggered, this,
            &MainWindow::HelpTopicsClick);
    connect(AddCommand(help, "About", "About"), &QAction::triggered, this,
            [this] { ShowChild("Form17"); });

    // A command whose window the program does not have yet stays visible but greyed.
    const std::pair<const char*, const char*> needs[] = {
        {"schedule", "Form7"}, {"summary", "Form3"},  {"solvefor", "Form14"},
        {"mestimate", "Form5"}, {"Payshop", "Form9"}, {"EDP", "Form10"},
        {"Run_AS", "Form8"},   {"r_sfdir", "Form12"}, {"comp_scen", "Form11"},
        {"Suggest", "Form16"}, {"PAFWD", "Form15"},   {"About", "Form17"}};
    for (const auto& [command, window] : needs) Command(command)->setEnabled(Has(window));
    Command("refdrv")->setEnabled(Has("Form8") || Has("Form12"));
}

void MainWindow::WireToolbar() {
    // A click on a picture runs exactly the handler of its menu command.
    const char* commandOf[12] = {"Open",    "save",     "PCFO",   "schedule", "summary", "comp_scen",
                                 "mestimate", "Payshop", "EDP",    "Run_AS",   "Quit",    "Suggest"};
    for (int k = 1; k <= 12; ++k) {
        QAction* action = Command(commandOf[k - 1]);
        Picture2->OnImageClick(k, [action] { action->trigger(); });
        Picture2->SetImageEnabled(k, action->isEnabled());
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        // F1 on a highlighted top menu opens help at that menu's topic.
        int context = watched->property("helpContext").toInt();
        if (watched == menuBar() && menuBar()->activeAction())
            context = menuBar()->activeAction()->property("helpContext").toInt();
        if (context > 0) {
            services_.ShowHelp(context);
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove && watched == Area->viewport()) HideToolTip();
    return QMainWindow::eventFilter(watched, event);
}

// ---- commands ------------------------------------------------------------------------------

void MainWindow::ShowNeedingScenario(const char* name) {
    if (!IsComplete(session_.scenario)) {
        services_.Beep();
        services_.Tell("Mtge Error Trap", "Error - Input data is incomplete");
        ShowChild("Form2");
        return;
    }
    ShowChild(name);
}

void MainWindow::NewClick() { NewStudy(context_); }

void MainWindow::OpenClick() {
    if (session_.unsaved) {
        const MessageAnswer answer = services_.Ask(
            kDataLossTitle,
            "Data is not saved.  Do you want another chance to save this study before it is erased?",
            MessageButtons::YesNoCancel);
        if (answer != MessageAnswer::No) return;
    }
    OpenStudy(context_);
}

void MainWindow::SaveClick() { SaveStudy(context_); }

void MainWindow::PrintReportClick() {
    if (!IsComplete(session_.scenario)) {
        services_.Beep();
        services_.Tell("Mtge Print Error Trap",
                       "Error - Input data is incomplete.  Complete the input form and try again.");
        ShowChild("Form2");
        return;
    }
    ShowChild("Form15");
}

void MainWindow::PrinterSetupClick() { services_.AskPrinterSetup(); }

void MainWindow::QuitClick() {
    if (!MayQuit(context_)) return;
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
        if (!ending_) EndNow();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::CopyClick() {
    const std::string active = ActiveChildName();
    QWidget* window = FindChild(active);
    if (auto* graph = qobject_cast<GraphWindow*>(window)) {
        services_.ClearClipboard();
        services_.SetClipboardImage(graph->GraphPicture());
        return;
    }
    if (auto* schedule = qobject_cast<ScheduleWindow*>(window)) {
        services_.ClearClipboard();
        services_.SetClipboardText(schedule->SelectedCellsText());
        return;
    }
    if (auto* shopper = qobject_cast<ShopperWindow*>(window)) {
        services_.ClearClipboard();
        services_.SetClipboardText(shopper->SelectedCellsText());
        return;
    }
    services_.Beep();
    services_.Tell("Mortgage Warning Notice",
                   std::string("Error - there is nothing to copy. Graphs and ") +
                       "Schedules are the only items that can be copied to clipboard.");
}

void MainWindow::InputFormClick() {
    ResetResultWindows();
    ShowChild("Form2");
}

void MainWindow::HelpTopicsClick() { services_.ShowHelp(0); }

} // namespace hl
