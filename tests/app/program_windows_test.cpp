// The window table: every row opens, closes, resets, flushes and copies as it says, and the
// commands follow it.
#include <QtTest>
#include <cstdio>

#include "app/program_fixture.h"
#include "support/window_test_main.h"

namespace hl {

class ProgramWindowsTest : public QObject {
    Q_OBJECT

    static const WindowRegistry& Rows() {
        static const WindowRegistry rows = ProgramWindows();
        return rows;
    }

  private slots:
    void everyWindowHasExactlyOneRow() {
        for (int k = 0; k <= static_cast<int>(WindowId::Form19); ++k) {
            const auto id = static_cast<WindowId>(k);
            int rows = 0;
            for (const WindowRow& row : Rows())
                rows += row.id == id;
            QVERIFY2(rows == 1, WindowName(id));
            QCOMPARE(WindowNamed(WindowName(id)), std::optional<WindowId>(id));
        }
        QCOMPARE(WindowNamed("Form1"), std::optional<WindowId>());
    }

    void resultWindowsStandInTheResetOrder() {
        std::vector<std::string> order;
        for (const WindowRow& row : Rows())
            if (row.resultWindow)
                order.push_back(WindowName(row.id));
        QCOMPARE(order,
                 (std::vector<std::string>{"Form6", "Form7", "Form3", "Form10", "Form8", "Form11",
                                           "Form12", "Form13", "Form15", "Form18"}));
    }

    void everyBuiltWindowOpensAndClosesWithItsFrame() {
        test::Program p;
        p.CompleteScenario();
        for (const WindowRow& row : Rows()) {
            if (!row.make)
                continue;
            ChildWindow* w = p.window->ShowChild(row.id);
            QVERIFY2(w, WindowName(row.id));
            QCOMPARE(w->objectName(), QString::fromLatin1(WindowName(row.id)));
            QCOMPARE(p.Active(), std::string(WindowName(row.id)));
            // Shown again, the same window comes forward.
            QCOMPARE(p.window->ShowChild(row.id), w);
            if (row.id == WindowId::Form2)
                continue;
            const int frames = p.Frames();
            w->Unload();
            QCoreApplication::processEvents();
            QVERIFY2(!p.window->FindChild(row.id), WindowName(row.id));
            QCOMPARE(p.Frames(), frames - 1);
        }
    }

    void theResetClosesTheResultRowsOnly() {
        test::Program p;
        p.CompleteScenario();
        for (const WindowRow& row : Rows())
            if (row.make && row.id != WindowId::Form2)
                p.window->ShowChild(row.id);
        p.window->ShowChild(WindowId::Form2);
        p.window->ResetResultWindows();
        QCoreApplication::processEvents();
        for (const WindowRow& row : Rows()) {
            if (!row.make)
                continue;
            QVERIFY2(bool(p.window->FindChild(row.id)) == !row.resultWindow, WindowName(row.id));
        }
    }

    void saveFlushesEveryOpenWindowWithAToolFile() {
        test::Program p;
        p.CompleteScenario();
        for (const WindowRow& row : Rows())
            if (row.make && row.toolFile) {
                p.window->ShowChild(row.id);
                std::remove((p.session.folder + ToolFileName(*row.toolFile)).c_str());
            }
        p.window->SaveOpenWindowStates();
        for (const WindowRow& row : Rows())
            if (row.make && row.toolFile)
                QVERIFY2(QFile::exists(QString::fromStdString(p.session.folder +
                                                              ToolFileName(*row.toolFile))),
                         WindowName(row.id));
    }

    void copyAsksTheWindowsThatCopy() {
        test::Program p;
        p.CompleteScenario();
        for (const WindowRow& row : Rows()) {
            if (!row.make || row.id == WindowId::Form2)
                continue;
            p.window->ShowChild(row.id);
            const std::size_t before = p.services.Messages().size();
            p.window->CopyClick();
            const bool complained = p.services.Messages().size() > before;
            QVERIFY2(complained == !row.copies, WindowName(row.id));
        }
    }

    void printCurrentFormAnswersForEveryWindow() {
        test::Program p;
        p.CompleteScenario();
        for (const WindowRow& row : Rows()) {
            if (!row.make)
                continue;
            p.window->ShowChild(row.id);
            p.services.ClearMessages();
            const std::size_t printed = p.services.Printed().size();
            p.window->Command("PCFO")->trigger();
            const bool didPrint = p.services.Printed().size() > printed;
            const auto& asked = p.services.Messages();
            if (!row.prints) {
                // The windows without a printed form of their own say where their data prints.
                QVERIFY2(!didPrint && asked.size() == 1, WindowName(row.id));
                QCOMPARE(asked[0].title, std::string(kFormPrintWarningTitle));
                QCOMPARE(asked[0].text,
                         std::string(row.id == WindowId::Form2 ? kInputFormPrintWarning
                                                               : kNoReportPrintWarning));
            } else {
                // The others print, or say that there is nothing calculated to print yet.
                QVERIFY2(didPrint != !asked.empty(), WindowName(row.id));
                if (!asked.empty())
                    QVERIFY2(asked[0].title != kFormPrintWarningTitle, WindowName(row.id));
                if (didPrint)
                    QVERIFY2(p.services.Printed().back().pages >= 1, WindowName(row.id));
            }
            QCOMPARE(p.services.BusyDepth(), 0);
        }
    }

    void commandsOfMissingWindowsAreGreyed() {
        test::Program p;
        const std::pair<const char*, WindowId> commands[] = {
            {"schedule", WindowId::Form7},   {"summary", WindowId::Form3},
            {"solvefor", WindowId::Form14},  {"mestimate", WindowId::Form5},
            {"Payshop", WindowId::Form9},    {"EDP", WindowId::Form10},
            {"Run_AS", WindowId::Form8},     {"r_sfdir", WindowId::Form12},
            {"comp_scen", WindowId::Form11}, {"Suggest", WindowId::Form16},
            {"PAFWD", WindowId::Form15},     {"About", WindowId::Form17}};
        for (const auto& [command, id] : commands)
            QVERIFY2(p.window->Command(command)->isEnabled() == bool(FindRow(Rows(), id)->make),
                     command);
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::ProgramWindowsTest)
#include "program_windows_test.moc"
