// The calculator windows by name, and the inputs the shopper and the estimate keep in their
// working files: restored on reopening, kept only when the window closes as the active child,
// and carried through a saved and reopened study.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "calculator_window_fixture.h"
#include "calculators/ui/estimate_window.h"
#include "calculators/ui/shopper_window.h"
#include "calculators/ui/solve_for_window.h"
#include "files/study_file.h"
#include "support/window_test_main.h"

namespace hl {

using test::BoxText;
using test::Child;

class CalculatorFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestBed> bed_;

    QWidget* Open(const char* name) {
        const std::string_view wanted = name;
        ChildWindow* w =
            wanted == "Form14"  ? static_cast<ChildWindow*>(new SolveForWindow(bed_->context))
            : wanted == "Form9" ? static_cast<ChildWindow*>(new ShopperWindow(bed_->context))
                                : new EstimateWindow(bed_->context);
        if (w)
            test::Activate(w);
        return w;
    }
    void Click(QWidget* w, const char* name) { Child<QPushButton>(w, name)->click(); }
    // Closes the window the way the main window does, with `active` the active child.
    void Close(QWidget* w, const char* active) {
        bed_->host.active = active;
        test::CloseAndDelete(w);
    }
    // The main window's Save then New then Open, through the study file.
    void SaveNewOpen() {
        Study study;
        study.tools = ReadToolFiles(bed_->session.folder);
        const std::string path = bed_->folder.Path("kept.mtg");
        QVERIFY(WriteStudyFile(path, study));
        QVERIFY(ResetToolFiles(bed_->session.folder));
        QVERIFY(WriteToolFiles(bed_->session.folder, ReadStudyFile(path).tools));
    }

  private slots:
    void init() { bed_ = std::make_unique<test::WindowTestBed>(); }
    void cleanup() {
        QCOMPARE(test::Unscripted(bed_->services), std::string());
        bed_.reset();
    }

    void shopperReopensWithItsInputs() {
        QWidget* w = Open("Form9");
        Click(w, "Command3");
        Child<QLineEdit>(w, "Text2")->clear(); // a single amount
        Close(w, "Form9");
        QCOMPARE(test::Slurp(bed_->folder.Path("$$ps_tmp.bin")),
                 std::string("\"50000.00\"\r\n\" \"\r\n\"5000.00\"\r\n\"7.000\"\r\n\"8.000\"\r\n"
                             "\"1.000\"\r\n\"15.00\"\r\n\"25.00\"\r\n\"5.00\"\r\n"));

        // The stored values come back with the texts: Calculate works at once.
        auto* again = static_cast<ShopperWindow*>(Open("Form9"));
        QCOMPARE(BoxText(again, "Text1"), QStringLiteral("50000.00"));
        QCOMPARE(BoxText(again, "Text2"), QString());
        QCOMPARE(BoxText(again, "Text9"), QStringLiteral("5.00"));
        Click(again, "Command1");
        QCOMPARE(again->Lines().size(), std::size_t{9}); // 1 x 2 x 3 and a separator per period
        Close(again, "Form9");
    }

    void estimateReopensWithItsInputs() {
        QWidget* w = Open("Form5");
        Click(w, "Command1");
        Close(w, "Form5");
        const ToolSection kept = ReadToolFile(bed_->session.folder, ToolFile::Estimate);
        QCOMPARE(kept.Text(0), std::string("180000.00"));
        QCOMPARE(kept.Text(14), std::string("33000.00"));

        QWidget* again = Open("Form5");
        QCOMPARE(BoxText(again, "Text1"), QStringLiteral("180000.00"));
        QCOMPARE(BoxText(again, "Text16"), QStringLiteral("0.00"));
        // The results are worked out afresh on opening.
        QCOMPARE(BoxText(again, "Text19"), QStringLiteral("144900.00"));
        Close(again, "Form5");
    }

    // A window closed while another child is active (the result-window reset, say) keeps the
    // file as it was.
    void closingWhileAnotherChildIsActiveKeepsTheFile() {
        const std::string blank = test::Slurp(bed_->folder.Path("$$em_tmp.bin"));
        QWidget* w = Open("Form5");
        Click(w, "Command1");
        Close(w, "Form2");
        QCOMPARE(test::Slurp(bed_->folder.Path("$$em_tmp.bin")), blank);

        QWidget* shopper = Open("Form9");
        Click(shopper, "Command3");
        Close(shopper, "Form5");
        QVERIFY(ReadToolFile(bed_->session.folder, ToolFile::Shopper) ==
                ToolSection(ToolFile::Shopper));
    }

    // Save writes the open tool windows' files first, whichever child is active.
    void flushWritesTheFileWhileTheWindowIsOpen() {
        auto* w = static_cast<ChildWindow*>(Open("Form9"));
        Click(w, "Command3");
        w->SaveState();
        QCOMPARE(ReadToolFile(bed_->session.folder, ToolFile::Shopper).Text(0),
                 std::string("50000.00"));
        Close(w, "Form2");
    }

    void savedStudyKeepsTheInputs() {
        QWidget* shopper = Open("Form9");
        Click(shopper, "Command3");
        Close(shopper, "Form9");
        QWidget* estimate = Open("Form5");
        Click(estimate, "Command1");
        Close(estimate, "Form5");

        SaveNewOpen();

        shopper = Open("Form9");
        QCOMPARE(BoxText(shopper, "Text1"), QStringLiteral("50000.00"));
        QCOMPARE(BoxText(shopper, "Text6"), QStringLiteral("1.000"));
        Close(shopper, "Form9");
        estimate = Open("Form5");
        QCOMPARE(BoxText(estimate, "Text3"), QStringLiteral("1525.00"));
        QCOMPARE(BoxText(estimate, "Text19"), QStringLiteral("144900.00"));
        Close(estimate, "Form5");
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::CalculatorFilesTest)
#include "calculator_files_test.moc"
