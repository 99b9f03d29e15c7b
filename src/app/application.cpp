// The desktop program's start-up and its one study.
#include "app/application.h"

#include <QApplication>
#include <QFileInfo>
#include <memory>
#include <unistd.h>

#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/recovery.h"
#include "app/startup.h"
#include "app/startup_window.h"
#include "app/study_commands.h"
#include "app/study_keeper.h"
#include "app/translation.h"
#include "files/working_files.h"
#include "platform/qt/qt_services.h"

namespace hl {

int RunDesktopProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Hearthline");
    QApplication::setApplicationVersion("2.0");

    std::vector<std::string> args;
    for (int k = 1; k < argc; ++k)
        args.emplace_back(argv[k]);
    const ProgramArguments arguments = ReadProgramArguments(args);
    Session session;
    session.debugLevel = arguments.debugLevel;
    const std::string programFolder = QApplication::applicationDirPath().toStdString() + "/";
    const ProgramTranslation translation(
        LanguageOfEnvironment(), ChooseTranslationFile(programFolder, HL_INSTALLED_TRANSLATION));
    QtServices services(
        HelpPageIn(translation.Spoken(), ChooseHelpPage(programFolder, HL_INSTALLED_HELP_PAGE)));
    const WorkingFolderChoice choice = ChooseWorkingFolderAndSay(programFolder);
    if (!choice.unusable.empty()) {
        services.Beep();
        services.Tell(StartupText(kFolderUnusableTitle),
                      FolderUnusableText(choice.unusable, choice.folder));
    }
    const HeldWorkingFolder working(choice.folder, services);
    session.folder = working.Folder();
    RemoveStartupLeftovers(session.folder);
    ResetToolFiles(session.folder);
    session.MarkSaved();

    // What an ended program left unsaved is offered back before anything else.
    const std::string dataFolder = services.DataFolder();
    RecoveryCopy own(dataFolder, session.folder, static_cast<long>(::getpid()));
    const std::optional<RestoredStudy> restored = OfferRecovery(
        services, own, LeftRecoveries(dataFolder, session.folder, ::getpid()), dataFolder);

    std::unique_ptr<MainWindow> main;

    StartupWindow form1;
    QObject::connect(&form1, &StartupWindow::accepted, [&] {
        main = std::make_unique<MainWindow>(session, services, ProgramWindows());
        services.SetParentWindow(main.get());
        QObject::connect(main.get(), &MainWindow::programEnded, &app, &QApplication::quit,
                         Qt::QueuedConnection);
        main->show();
        main->activateWindow();
        main->raise();
        if (restored)
            RestoreStudy(session, *restored);
        main->ShowChild(WindowId::Form2);
        if (!arguments.studyPath.empty())
            main->Keeper->OpenFromOutside(QFileInfo(QString::fromStdString(arguments.studyPath))
                                              .absoluteFilePath()
                                              .toStdString());
    });
    form1.show();
    form1.activateWindow();
    const int status = app.exec();
    main.reset();
    return status;
}

} // namespace hl
