// What keeps a study safe and in view: the recovery copy, its offer at start-up, the recent
// studies, the status bar and dropped files.
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QUrl>
#include <QtTest>
#include <filesystem>
#include <unistd.h>

#include "app/program_fixture.h"
#include "app/recent_studies.h"
#include "app/recovery.h"
#include "app/startup.h"
#include "app/status_strip.h"
#include "app/study_commands.h"
#include "app/study_drop.h"
#include "app/study_keeper.h"
#include "core/text_items.h"
#include "scenario/ui/input_form.h"
#include "support/widget_lookup.h"
#include "support/window_test_main.h"

namespace hl {
namespace {

AppContext ContextOf(test::Program& p) { return AppContext{p.session, p.services, *p.window}; }

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

} // namespace

class StudyKeeperTest : public QObject {
    Q_OBJECT

  private slots:
    // The copy is what Save writes, the box still being typed in included; the flag going down
    // and a normal end take it away.
    void theRecoveryCopyFollowsTheFlag() {
        test::Program p;
        StudyKeeper& keeper = *p.window->Keeper;
        p.CompleteScenario();
        auto* amount = test::Child<QLineEdit>(p.window->FindChild(WindowId::Form2), "Text1");
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(amount, &in);
        amount->setText("123456");
        p.session.MarkChanged();
        QVERIFY(keeper.RecoveryTimer().isActive());
        QVERIFY(keeper.RecoveryTimer().interval() < 2000);
        QTRY_VERIFY_WITH_TIMEOUT(Exists(keeper.Recovery().StudyFile()), 3000);
        const Study copy = ReadStudyFile(keeper.Recovery().StudyFile());
        QCOMPARE(copy.scenario.amount, 123456.0f);
        QCOMPARE(copy.scenario.rate, p.session.scenario.rate);
        QCOMPARE(p.session.scenario.amount, 100000.0f); // the record itself waits for the check

        // A payment change still being typed in its cell is in the copy too.
        qobject_cast<InputForm*>(p.window->FindChild(WindowId::Form2))->Command2Click();
        ChildWindow* changes = p.window->FindChild(WindowId::Form4);
        QVERIFY(changes);
        QTest::qWait(50); // the keys typed while it opens are dropped
        auto* grid = test::Child<QTableView>(changes, "Grid1");
        grid->setCurrentIndex(grid->model()->index(2, 2));
        QTest::keyClick(grid, '7');
        keeper.WriteRecovery();
        QCOMPARE(ReadStudyFile(keeper.Recovery().StudyFile()).changes.Count(), 1);
        QCOMPARE(p.session.changes.Count(), 0);

        p.session.MarkSaved();
        QVERIFY(!Exists(keeper.Recovery().StudyFile()));
        QVERIFY(!Exists(keeper.Recovery().NoteFile()));
        p.session.MarkChanged();
        keeper.WriteRecovery();
        QVERIFY(Exists(keeper.Recovery().StudyFile()));
        emit p.window->programEnded();
        QVERIFY(!Exists(keeper.Recovery().StudyFile()));
    }

    // A copy is offered only when its program has ended: the working folder's lock tells.
    void onlyCopiesOfEndedProgramsAreOffered() {
        test::TempFolder data, own, other, held;
        QLockFile lock(QString::fromStdString(held.Path(kWorkingFolderLockName)));
        QVERIFY(lock.tryLock(0)); // a running program (this one) holds `held`
        const long running = ::getpid();
        struct Case {
            long pid;
            std::optional<std::string> folder; ///< nothing: no note
            bool offered;
        };
        const Case cases[] = {{101, own.Prefix(), true},           // we hold its folder now
                              {102, other.Prefix(), true},         // its folder is free
                              {103, "/nonexistent/folder/", true}, // its folder is gone
                              {104, std::nullopt, true},           // it ended before its note
                              {running, held.Prefix(), false}};    // still holds its folder
        for (const Case& c : cases) {
            test::Spit(data.Path(RecoveryStudyName(c.pid)), "study");
            if (c.folder)
                test::Spit(data.Path(RecoveryNoteName(c.pid)), RecoveryNoteText({*c.folder, ""}));
        }
        std::vector<std::string> offered;
        for (const LeftRecovery& left : LeftRecoveries(data.Prefix(), own.Prefix(), 1))
            offered.push_back(left.studyFile);
        std::vector<std::string> expected;
        for (const Case& c : cases)
            if (c.offered)
                expected.push_back(data.Path(RecoveryStudyName(c.pid)));
        QCOMPARE(offered, expected);
        QVERIFY(lock.isLocked());
    }

    // Yes restores and the copy becomes this program's; No and an unreadable copy keep it aside.
    void theOfferRestoresOrKeepsAside() {
        const Study rich = [] {
            Study s;
            s.scenario = test::SampleScenario();
            s.frequencyStored = true;
            s.changes.entries = test::SampleChanges();
            return s;
        }();
        struct Case {
            const char* name;
            MessageAnswer answer;
            bool readable;
            bool restored;
            const char* told; ///< start of the message after the question, "" none
        };
        const Case cases[] = {
            {"yes", MessageAnswer::Yes, true, true, ""},
            {"no", MessageAnswer::No, true, false,
             "The unsaved study house.mtg was not restored.\rIt was kept as "},
            {"unreadable", MessageAnswer::Yes, false, false, "The recovery copy "}};
        for (const Case& c : cases) {
            test::TempFolder data, work;
            test::ScriptedServices services;
            const std::string copy = data.Path(RecoveryStudyName(77));
            test::Spit(copy, c.readable ? WriteStudyText(rich) : "not a study");
            test::Spit(data.Path(RecoveryNoteName(77)),
                       RecoveryNoteText({"/gone/", "/home/a/house.mtg"}));
            RecoveryCopy own(data.Prefix(), work.Prefix(), 88);
            services.QueueAnswer(c.answer);
            const auto restored = OfferRecovery(
                services, own, LeftRecoveries(data.Prefix(), work.Prefix(), 88), data.Prefix());
            QCOMPARE(services.Messages().at(0).title, std::string(kRecoveryTitle));
            QCOMPARE(services.Messages().at(0).text,
                     std::string("Hearthline stopped before the study house.mtg was saved. Do "
                                 "you want to restore it?"));
            QCOMPARE(services.Messages().at(0).buttons, MessageButtons::YesNo);
            QCOMPARE(restored.has_value(), c.restored);
            QVERIFY2(!Exists(copy), c.name); // restored as our own, or kept aside
            QCOMPARE(Exists(own.StudyFile()), c.restored);
            bool keptAside = false;
            for (const auto& entry : std::filesystem::directory_iterator(data.Prefix()))
                keptAside |= entry.path().filename().string().rfind("house-recovered-", 0) == 0;
            QCOMPARE(keptAside, !c.restored);
            if (*c.told)
                QVERIFY2(services.Messages().at(1).text.rfind(c.told, 0) == 0,
                         services.Messages().at(1).text.c_str());
            if (c.restored) {
                Session session;
                session.folder = work.Prefix();
                RestoreStudy(session, *restored);
                QVERIFY(session.Unsaved());
                QCOMPARE(session.studyPath, std::string("/home/a/house.mtg"));
                QVERIFY(session.changes == rich.changes);
                QCOMPARE(session.scenario.amount, rich.scenario.amount);
            }
        }
    }

    // Saved and opened studies go first, eight at most; one that is gone says so and leaves.
    void recentStudiesNewestFirst() {
        std::vector<std::string> list;
        for (int k = 1; k <= 9; ++k)
            list = WithRecent(list, "/s/" + std::to_string(k) + ".mtg");
        list = WithRecent(list, "/s/5.mtg");
        QCOMPARE(list, (std::vector<std::string>{"/s/5.mtg", "/s/9.mtg", "/s/8.mtg", "/s/7.mtg",
                                                 "/s/6.mtg", "/s/4.mtg", "/s/3.mtg", "/s/2.mtg"}));

        test::Program p;
        AppContext app = ContextOf(p);
        const std::string saved = p.folder.Path("saved.mtg");
        p.CompleteScenario();
        p.services.QueueSaveFile(saved);
        QVERIFY(SaveStudy(app));
        QCOMPARE(p.services.SettingList(kRecentStudiesKey), std::vector<std::string>{saved});
        QMenu* menu = test::Child<QMenu>(p.window.get(), "OpenRecent");
        emit menu->aboutToShow();
        QAction* first = test::Child<QAction>(menu, "Recent1");
        QCOMPARE(first->text(), QString("&1 saved.mtg"));
        QCOMPARE(first->toolTip(), QString::fromStdString(saved));

        p.session.ResetScenario();
        first->trigger();
        QCOMPARE(p.session.scenario.amount, 100000.0f);
        std::filesystem::remove(saved);
        p.session.ResetScenario();
        emit menu->aboutToShow();
        test::Child<QAction>(menu, "Recent1")->trigger();
        QCOMPARE(p.services.MessageTexts().back(),
                 "The study " + saved +
                     " no longer exists.\rIt was taken off the list of recent studies; the "
                     "current study was left as it was.");
        QCOMPARE(p.session.scenario.amount, 0.0f);
        QVERIFY(p.services.SettingList(kRecentStudiesKey).empty());
        QVERIFY(!menu->menuAction()->isEnabled());
    }

    void theStatusBarShowsTheStudy() {
        test::Program p;
        AppContext app = ContextOf(p);
        auto* name = test::Child<QLabel>(p.window.get(), "StudyName");
        auto* unsaved = test::Child<QLabel>(p.window.get(), "UnsavedNote");
        QCOMPARE(name->text(), QString("Untitled"));
        QVERIFY(unsaved->isHidden());
        p.session.MarkChanged();
        QVERIFY(!unsaved->isHidden());
        QCOMPARE(unsaved->text(), QString("Unsaved changes"));
        p.services.QueueSaveFile(p.folder.Path("house.mtg"));
        QVERIFY(SaveStudy(app));
        QCOMPARE(name->text(), QString("house.mtg"));
        QVERIFY(unsaved->isHidden());
        // Save offers the study's own file again.
        p.services.QueueSaveFile(std::nullopt);
        SaveStudy(app);
        QCOMPARE(p.services.SaveDialogs().back().initialName, p.folder.Path("house.mtg"));
        // A backup that cannot be written is told, and the save still goes through.
        std::filesystem::create_directory(p.folder.Path("house.mtg.bak"));
        p.session.MarkChanged();
        p.services.QueueSaveFile(p.folder.Path("house.mtg"));
        QVERIFY(SaveStudy(app));
        QVERIFY(!p.session.Unsaved());
        QCOMPARE(p.services.MessageTexts().back(),
                 "The study was saved to " + p.folder.Path("house.mtg") +
                     ", but its previous version could not be kept as " +
                     p.folder.Path("house.mtg.bak") + ".");
    }

    // Only one local study file opens when dropped; garbage dropped changes nothing.
    void dropsOpenOneStudyFile() {
        const auto drop = [](QList<QUrl> urls) {
            QMimeData data;
            data.setUrls(urls);
            return DroppedStudy(&data);
        };
        QCOMPARE(drop({QUrl::fromLocalFile("/a/house.mtg")}),
                 std::optional<std::string>("/a/house.mtg"));
        QCOMPARE(drop({QUrl::fromLocalFile("/a/HOUSE.MTG")}),
                 std::optional<std::string>("/a/HOUSE.MTG"));
        QCOMPARE(drop({QUrl::fromLocalFile("/a/house.txt")}), std::nullopt);
        QCOMPARE(drop({QUrl("https://example.org/house.mtg")}), std::nullopt);
        QCOMPARE(drop({QUrl::fromLocalFile("/a/1.mtg"), QUrl::fromLocalFile("/a/2.mtg")}),
                 std::nullopt);

        test::Program p;
        p.CompleteScenario();
        p.session.MarkChanged();
        const std::string garbage = p.folder.Path("garbage.mtg");
        test::Spit(garbage, "garbage");
        p.services.QueueAnswer(MessageAnswer::No);
        p.window->Keeper->OpenFromOutside(garbage);
        QCOMPARE(p.services.Messages().at(0).text, std::string(kOpenQuestion));
        QVERIFY(p.services.Messages().at(1).text.rfind("The file " + garbage, 0) == 0);
        QCOMPARE(p.session.scenario.amount, 100000.0f);
        QVERIFY(p.session.Unsaved());
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::StudyKeeperTest)
#include "study_keeper_test.moc"
