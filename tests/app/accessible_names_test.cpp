// Every box of every window has a name a screen reader can say, taken from its caption.
#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include "app/program_fixture.h"
#include "scenario/payment_table.h"
#include "scenario/ui/payment_changes_window.h"
#include "support/window_test_main.h"
#include "windowkit/accessible_names.h"

namespace hl {
namespace {

// The boxes of `window` that have no name: "Text3 (QLineEdit)". A combo's own line edit is
// named by the combo.
QStringList UnnamedBoxes(const QWidget& window) {
    QStringList unnamed;
    auto check = [&](const QWidget* box) {
        if (box->accessibleName().trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(
                box->objectName(), QString::fromLatin1(box->metaObject()->className()));
    };
    for (const QLineEdit* box : window.findChildren<QLineEdit*>())
        if (!qobject_cast<const QComboBox*>(box->parentWidget()))
            check(box);
    for (const QComboBox* box : window.findChildren<QComboBox*>())
        check(box);
    return unnamed;
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void captionsGiveNames() {
        const struct {
            const char* caption;
            const char* name;
        } cases[] = {
            {"Mortgage Amount:", "Mortgage Amount"},
            {"Int. Rate (eg. 11.5):", "Int. Rate"},
            {"Start Date (eg. Jan 1 93):", "Start Date"},
            {"Comment (optional): (60 chars max)", "Comment (optional)"},
            {"Balance still Outstanding:      $", "Balance still Outstanding"},
            {"Legal Fees               (including disbursements)",
             "Legal Fees (including disbursements)"},
            {"  Amortization Period  ", "Amortization Period"},
            {"&Rate", "Rate"},
            {"Principal && Interest", "Principal & Interest"},
            // French captions: a space before the colon, "ex." or "p. ex." for the example.
            {"Taux d'int. (ex. 11.5) :", "Taux d'int."},
            {"Date de début (p. ex. janv. 1 93) :", "Date de début"},
            {"Texte (exemple) :", "Texte (exemple)"},
            {"Lump  Payment", "Lump Payment"},
            {"", ""},
        };
        for (const auto& c : cases)
            QCOMPARE(CaptionName(QString::fromUtf8(c.caption)), QString::fromUtf8(c.name));
    }

    void everyBoxOfEveryWindowHasAName() {
        test::Program p;
        p.CompleteScenario();
        int boxes = 0;
        for (const WindowRow& row : ProgramWindows()) {
            if (!row.make)
                continue;
            ChildWindow* w = p.window->ShowChild(row.id);
            QVERIFY2(w, WindowName(row.id));
            const QStringList unnamed = UnnamedBoxes(*w);
            QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(
                                            QString::fromLatin1(WindowName(row.id)),
                                            unnamed.join(QStringLiteral(", ")))));
            boxes += static_cast<int>(w->findChildren<QLineEdit*>().size());
        }
        // The input form alone has eight boxes: the walk found the windows' boxes.
        QVERIFY(boxes > 40);
        // The main window's own boxes, and every window open at once.
        const QStringList unnamed = UnnamedBoxes(*p.window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void theInputFormSaysWhatEachBoxIsFor() {
        test::Program p;
        ChildWindow* form = p.window->FindChild(WindowId::Form2);
        QVERIFY(form);
        const struct {
            const char* box;
            const char* name;
        } cases[] = {
            {"Text1", "Mortgage Amount"},    {"Text2", "Int. Rate"},
            {"Text3", "Am. Period (years)"}, {"Text4", "Length of Loan (years)"},
            {"Text5", "Start Date"},         {"Combo1", "Payment Frequency"},
            {"Text6", "Comment (optional)"}, {"Text8", "Calculated Payment"},
        };
        for (const auto& c : cases) {
            const auto* box = form->findChild<QWidget*>(QString::fromLatin1(c.box));
            QVERIFY2(box, c.box);
            QCOMPARE(box->accessibleName(), QString::fromLatin1(c.name));
        }
    }

    void theCellEditorTakesTheNameOfItsColumn() {
        test::Program p;
        p.CompleteScenario();
        auto* w = dynamic_cast<PaymentChangesWindow*>(p.window->ShowChild(WindowId::Form4));
        QVERIFY(w);
        auto* grid = w->findChild<QTableView*>(QStringLiteral("Grid1"));
        auto* editor = w->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QVERIFY(grid && editor);
        w->Prepare(); // as the input form's button leaves it
        for (const int column : {kPayDateColumn, kChangeColumn, kLumpColumn}) {
            grid->setCurrentIndex(grid->model()->index(0, column));
            w->Grid1DblClick();
            QCOMPARE(editor->accessibleName(),
                     CaptionName(
                         QString::fromLatin1(kPaymentCaptions[static_cast<std::size_t>(column)])));
            w->Text1LostFocus();
        }
        QCOMPARE(editor->accessibleName(), QStringLiteral("Lump Payment"));
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::AccessibleNamesTest)
#include "accessible_names_test.moc"
