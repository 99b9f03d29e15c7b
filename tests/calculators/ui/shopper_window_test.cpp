// The payment shopper window: the sample's table, appending, the line limit, the checks of its
// boxes, the keys and the cells it gives to Copy.
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "calculator_window_fixture.h"
#include "calculators/ui/shopper_window.h"
#include "support/window_test_main.h"

namespace hl {

using test::Child;

class ShopperWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestBed> bed_;
    std::unique_ptr<ShopperWindow> w_;

    QTableView* Grid() const { return Child<QTableView>(w_.get(), "Grid1"); }
    int Rows() const { return Grid()->model()->rowCount(); }
    QString Cell(int row, int column) const {
        return Grid()->model()->index(row, column).data().toString();
    }
    QLineEdit* Box(int n) const {
        return Child<QLineEdit>(w_.get(), QStringLiteral("Text%1").arg(n).toLatin1().constData());
    }
    // Fills the nine boxes and leaves each in turn.
    void Fill(const std::array<const char*, 9>& texts) {
        for (int n = 1; n <= 9; ++n) {
            Box(n)->setText(QString::fromLatin1(texts[static_cast<std::size_t>(n - 1)]));
            w_->TextLostFocus(n);
        }
    }
    void Click(const char* name) { Child<QPushButton>(w_.get(), name)->click(); }

  private slots:
    void init() {
        bed_ = std::make_unique<test::WindowTestBed>();
        w_ = std::make_unique<ShopperWindow>(bed_->context);
        test::Activate(w_.get());
    }
    void cleanup() {
        QCOMPARE(test::Unscripted(bed_->services), std::string());
        w_.reset();
        bed_.reset();
    }

    void opensWithEmptyBoxesAndHeadings() {
        QCOMPARE(w_->objectName(), QStringLiteral("Form9"));
        QCOMPARE(w_->windowTitle(), QStringLiteral("Payment Shopper "));
        // The blank working file holds " " for each box: the boxes open empty.
        for (int n = 1; n <= 9; ++n)
            QCOMPARE(Box(n)->text(), QString());
        QCOMPARE(Grid()->model()->columnCount(), 7);
        QCOMPARE(Rows(), 0);
        const char* headings[] = {" Mortgage      Amount",  " Interest        Rate",
                                  " Amortiz'n     Period",  " Monthly       Payment",
                                  " Weekly        Payment", "Every Two     Weeks",
                                  " Twice a        Month"};
        for (int c = 0; c < 7; ++c)
            QCOMPARE(Grid()->model()->headerData(c, Qt::Horizontal).toString(),
                     QString::fromLatin1(headings[c]));
        // The first column is 100 twips wider than the others.
        QVERIFY(Grid()->columnWidth(0) > Grid()->columnWidth(1));
    }

    // 3 amounts x 2 rates x 3 periods: 18 result lines in three blocks of six, a separator after
    // every three amounts.
    void sampleGivesEighteenLinesInThreeBlocks() {
        bed_->session.MarkSaved();
        Click("Command3");
        QVERIFY(bed_->session.Unsaved());
        QCOMPARE(Box(1)->text(), QStringLiteral("50000.00"));
        QCOMPARE(Box(3)->text(), QStringLiteral("5000.00"));
        QCOMPARE(Box(4)->text(), QStringLiteral("7.000"));
        QCOMPARE(Box(8)->text(), QStringLiteral("25.00"));
        QCOMPARE(QApplication::focusWidget(), Box(1));

        Click("Command1");
        QCOMPARE(Rows(), 24);
        int results = 0;
        for (int row = 0; row < Rows(); ++row) {
            const bool separator = row % 4 == 3;
            QCOMPARE(Cell(row, 0).isEmpty(), separator);
            results += separator ? 0 : 1;
        }
        QCOMPARE(results, 18);
        // The engine's payments for 50000 at 7 % over 15 years, in the columns' formats.
        const QStringList first = {"50000.00", "  7.000",  "  15.00", "  446.62",
                                   "  111.65", "  223.31", "  223.31"};
        for (int c = 0; c < 7; ++c)
            QCOMPARE(Cell(0, c), first[c]);
        // Amounts innermost, rates next, amortization outermost.
        QCOMPARE(Cell(2, 0), QStringLiteral("60000.00"));
        QCOMPARE(Cell(4, 1), QStringLiteral("  8.000"));
        QCOMPARE(Cell(8, 2), QStringLiteral("  20.00"));
        QCOMPARE(Cell(22, 0), QStringLiteral("60000.00"));
        QCOMPARE(Cell(22, 1), QStringLiteral("  8.000"));
        QCOMPARE(Cell(22, 2), QStringLiteral("  25.00"));
        QCOMPARE(w_->Lines().size(), std::size_t{24});
        QCOMPARE(bed_->services.BusySpells(), 1);
        QCOMPARE(bed_->services.BusyDepth(), 0);
    }

    void calculateTwiceShowsTheLinesTwice() {
        Click("Command3");
        Click("Command1");
        Click("Command1");
        QCOMPARE(Rows(), 48);
        QCOMPARE(Cell(24, 0), QStringLiteral("50000.00"));
        QCOMPARE(Cell(47, 0), QString());

        // Leaving a box with its value unchanged keeps the table; a changed text clears it.
        Box(2)->setFocus();
        Box(5)->setFocus();
        QCOMPARE(Rows(), 48);
        Box(5)->setText(QStringLiteral("9"));
        QCOMPARE(Rows(), 0);
    }

    void onlyLowerBoundariesGiveOneLine() {
        Fill({"50000", "", "", "7", "", "", "25", "", ""});
        Click("Command1");
        QCOMPARE(Rows(), 1);
        QCOMPARE(Cell(0, 2), QStringLiteral("  25.00"));
    }

    void eightHundredLinesAllowedEightHundredTenRefused() {
        // 10 amounts x 10 rates x 8 periods.
        Fill({"10000", "100000", "10000", "1", "10", "1", "5", "12", "1"});
        Click("Command1");
        QCOMPARE(Rows(), 880); // 800 results and a separator after each of the 80 runs

        // 10 x 9 x 9 = 810: refused before any line is added.
        Fill({"10000", "100000", "10000", "1", "9", "1", "5", "13", "1"});
        QCOMPARE(Rows(), 0);
        const int beeps = bed_->services.Beeps();
        Click("Command1");
        QCOMPARE(Rows(), 0);
        QCOMPARE(bed_->services.Messages().size(), std::size_t{1});
        const test::AskedMessage& m = bed_->services.Messages()[0];
        QCOMPARE(m.title, std::string("Rate Shopper Output Violation"));
        QCOMPARE(m.text, std::string("Error, there are too many lines to display (over 800).  "
                                     "Please reduce some of the ranges or increase some of the "
                                     "increments (or do it in two runs)."));
        QCOMPARE(m.buttons, MessageButtons::Ok);
        QCOMPARE(bed_->services.Beeps(), beeps + 1);
        QCOMPARE(bed_->services.BusyDepth(), 0);
    }

    void calculateChecksTheRows() {
        Fill({"60000", "50000", "1000", "7", "", "", "25", "", ""});
        Click("Command1");
        Fill({"50000", "", "", "", "", "", "25", "", ""});
        Click("Command1");
        const auto texts = bed_->services.MessageTexts();
        QCOMPARE(texts.size(), std::size_t{2});
        QCOMPARE(texts[0], std::string("Error, in the mortgage row, the lower boundary MUST be "
                                       "lower than the upper boundary. Increase the Upper "
                                       "Boundary or decrease the Lower Boundary."));
        QCOMPARE(texts[1], std::string("Error, All paramters must have a lower boundary "
                                       "specified. At least one of the values does not have the "
                                       "Lower Boundary specified."));
        QCOMPARE(bed_->services.Messages()[1].title, std::string("Rate Shopper Input Violation"));
        QCOMPARE(Rows(), 0);
    }

    void refusedBoxKeepsItsValueOnYesAndLosesItOnNo() {
        Fill({"50000", "", "", "7", "", "", "25", "", ""});
        // Yes keeps 30 in the box and as the stored value: Calculate runs with it.
        bed_->services.QueueAnswer(MessageAnswer::Yes);
        Box(4)->setText(QStringLiteral("30"));
        w_->TextLostFocus(4);
        QCOMPARE(test::FirstLine(bed_->services.MessageTexts()[0]),
                 std::string("Error, value entered in the Interest Rate box must be between 1 "
                             "and 25"));
        QCOMPARE(Box(4)->text(), QStringLiteral("30"));
        Click("Command1");
        QCOMPARE(Cell(0, 1), QStringLiteral("  30.000"));

        // No empties the box and its stored value.
        bed_->services.QueueAnswer(MessageAnswer::No);
        Box(7)->setText(QStringLiteral("40"));
        w_->TextLostFocus(7);
        QCOMPARE(Box(7)->text(), QString());
        Click("Command1");
        QCOMPARE(test::FirstLine(bed_->services.MessageTexts().back()),
                 std::string("Error, All paramters must have a lower boundary specified. At "
                             "least one of the values does not have the Lower Boundary "
                             "specified."));
    }

    void clearAllEmptiesEveryBoxAndValue() {
        Click("Command3");
        Click("Command1");
        bed_->session.MarkSaved();
        Click("Command4");
        QVERIFY(bed_->session.Unsaved());
        QCOMPARE(Rows(), 0);
        for (int n = 1; n <= 9; ++n)
            QCOMPARE(Box(n)->text(), QString());
        Click("Command1");
        QCOMPARE(bed_->services.Messages().size(), std::size_t{1});
        QCOMPARE(Rows(), 0);
    }

    void keysOfTheBoxes() {
        bed_->session.MarkSaved();
        Box(2)->setFocus();
        QTest::keyClicks(Box(2), "6x0");
        QCOMPARE(Box(2)->text(), QStringLiteral("60"));
        QCOMPARE(bed_->services.Beeps(), 1);
        QVERIFY(bed_->session.Unsaved());
        QTest::keyClick(Box(2), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Box(3));

        // Escape empties Text1 only.
        Box(1)->setText(QStringLiteral("50000"));
        Box(1)->setFocus();
        bed_->session.MarkSaved();
        QTest::keyClick(Box(1), Qt::Key_Escape);
        QCOMPARE(Box(1)->text(), QString());
        QVERIFY(bed_->session.Unsaved());
        Box(3)->setText(QStringLiteral("5000"));
        Box(3)->setFocus();
        QTest::keyClick(Box(3), Qt::Key_Escape);
        QCOMPARE(Box(3)->text(), QStringLiteral("5000"));
    }

    void selectedCellsForCopy() {
        QCOMPARE(w_->SelectedCellsText(), std::string());
        Click("Command3");
        Click("Command1");
        QTableView* grid = Grid();
        grid->setCurrentIndex(grid->model()->index(1, 3));
        grid->selectionModel()->clearSelection();
        // Nothing selected: the current cell.
        QCOMPARE(w_->SelectedCellsText(), Cell(1, 3).toStdString());
        QVERIFY(!Cell(1, 3).isEmpty());
        const QItemSelection block(grid->model()->index(2, 0), grid->model()->index(4, 1));
        grid->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
        // A separator row copies as empty cells.
        QCOMPARE(w_->SelectedCellsText(),
                 std::string("60000.00\t  7.000\r\n\t\r\n50000.00\t  8.000"));
    }

    // Refused while the table is empty; afterwards every line of the table on the pages, the
    // separators blank.
    void printsTheTableOverPages() {
        const PrintOut none = w_->PrintForm();
        QVERIFY(none.refusal && none.pages.empty());
        QCOMPARE(none.refusal->title, std::string(kPrintTrapTitle));
        Click("Command3");
        for (int k = 0; k < 3; ++k)
            Click("Command1"); // 72 lines: 48 on the first page, 24 on the second
        const PrintOut out = w_->PrintForm();
        QVERIFY(!out.refusal);
        QCOMPARE(out.pages.size(), std::size_t{2});
        QCOMPARE(out.pages[0].TextAt(24, 4)->text, std::string("Payment Shopper Results"));
        QCOMPARE(out.pages[0].TextAt(50, 11)->text, Cell(0, 3).toStdString());
        QCOMPARE(out.pages[0].LineText(14), std::string());
        QCOMPARE(out.pages[1].TextAt(5, 11)->text, Cell(48, 0).toStdString());
        QCOMPARE(out.pages[1].TextAt(78, 62)->text, std::string("Page: 2 of 2"));
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::ShopperWindowTest)
#include "shopper_window_test.moc"
