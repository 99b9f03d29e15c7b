// The program in French: its translation loads with Qt's own, every window of the window table
// shows no English caption, and the sample's reports print in French.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QtTest>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "app/program_fixture.h"
#include "app/translation.h"
#include "cli/study_input.h"
#include "core/day_number.h"
#include "core/format.h"
#include "print/qt/page_renderer.h"
#include "print/reports.h"
#include "support/window_test_main.h"

namespace hl {
namespace {

/// Texts that read the same in both languages.
const std::set<QString> kSameInFrench = {
    QStringLiteral("Hearthline"), QStringLiteral("OK"),   QStringLiteral("%"),
    QStringLiteral("Date"),       QStringLiteral("Note"), QStringLiteral("Conclusion"),
    QStringLiteral("Total"),      QStringLiteral("Page"), QStringLiteral("Hearthline 2.0")};

bool HasLetter(const QString& text) {
    for (const QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}

/// A widget's place: the object names (or class names) from the window down, with the child's
/// index where it has no name, so that the same control is found in both languages.
QString PlaceOf(const QObject* object, const QObject* top) {
    QStringList parts;
    for (const QObject* o = object; o && o != top; o = o->parent()) {
        QString part = o->objectName();
        if (part.isEmpty()) {
            part = QString::fromLatin1(o->metaObject()->className());
            if (o->parent())
                part += QLatin1Char('#') + QString::number(o->parent()->children().indexOf(o));
        }
        parts.prepend(part);
    }
    return parts.join(QLatin1Char('/'));
}

using Captions = std::map<QString, QString>; ///< place and property -> text

/// Every caption a user reads in `top` and its children: labels, buttons and check boxes, group
/// box titles, window titles, actions (menus), header items and tooltips; within the main window
/// not those of its child windows.
void CollectCaptions(QWidget* top, const QString& window, Captions& out) {
    const auto put = [&](const QObject* o, const char* what, const QString& text) {
        if (!text.trimmed().isEmpty())
            out[window + QLatin1Char(':') + PlaceOf(o, top) + QLatin1Char('.') +
                QLatin1String(what)] = text;
    };
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        // A child window's captions are its own: the main window's are those around them.
        bool inChild = false;
        for (QObject* o = w; o && o != top && !inChild; o = o->parent())
            inChild = qobject_cast<ChildWindow*>(o) && o != top;
        if (inChild)
            continue;
        put(w, "windowTitle", w->isWindow() || w == top ? w->windowTitle() : QString());
        put(w, "toolTip", w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            put(w, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            put(w, "text", button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w))
            put(w, "title", box->title());
        if (auto* view = qobject_cast<QAbstractItemView*>(w);
            view && !qobject_cast<QHeaderView*>(w) && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int c = 0; c < model->columnCount(); ++c)
                put(w, qPrintable(QStringLiteral("column%1").arg(c)),
                    model->headerData(c, Qt::Horizontal).toString());
        }
        for (QAction* action : w->actions()) {
            put(action, "text", action->text());
            put(action, "toolTip",
                action->toolTip() == action->text().remove(QLatin1Char('&')) ? QString()
                                                                             : action->toolTip());
        }
    }
}

/// The captions of the whole program: the main window with its menus, then every window of the
/// window table opened over the standard scenario.
Captions ProgramCaptions() {
    Captions captions;
    test::Program p;
    p.CompleteScenario();
    for (const WindowRow& row : ProgramWindows()) {
        if (!row.make)
            continue;
        ChildWindow* w = p.window->ShowChild(row.id);
        if (!w)
            continue;
        QCoreApplication::processEvents();
        const QString name = QString::fromLatin1(WindowName(row.id));
        CollectCaptions(w, name, captions);
        if (QWidget* frame = w->parentWidget())
            captions[name + QStringLiteral(":frame.windowTitle")] = frame->windowTitle();
    }
    // The menus are the menu bar's children: the main window's captions hold them.
    CollectCaptions(p.window.get(), QStringLiteral("MainWindow"), captions);
    return captions;
}

/// The sample study's three reports, as the report command lays them out.
Report SampleReports() {
    Study study;
    const auto problem = cli::LoadStudy(HL_SAMPLE_STUDY, "", study);
    if (problem)
        qFatal("%s", problem->c_str());
    cli::StreamMessages messages(std::cerr);
    const EngineInputs in{study.scenario, study.changes};
    const ScheduleRun run = RunSchedule(in, messages);
    const SummaryResult summary = RunSummary(in, messages);
    return PrintScenarioReports(ReportInputs{study.scenario, study.changes, run.schedule, summary,
                                             ProjectPayoff(summary, study.scenario),
                                             ScheduleView::AllPayments},
                                ReportChoice{});
}

std::string PageText(const Page& page) {
    std::string text;
    for (int line = 0; line <= kPageNumberLine; ++line)
        text += page.LineText(line) + "\n";
    return text;
}

} // namespace

class FrenchTest : public QObject {
    Q_OBJECT

  private slots:
    void theTranslationsLoadAndGoAway() {
        {
            const ProgramTranslation french(Language::French, HL_FRENCH_TRANSLATION);
            QCOMPARE(french.Spoken(), Language::French);
            QCOMPARE(TrText("Months", "Feb"), std::string("f\xC3\xA9vr."));
            QCOMPARE(FormatDate(DayFromCivil(2024, 8, 15), "mmm d yyyy"),
                     std::string("ao\xC3\xBBt 15 2024"));
            // Qt's own texts, for its file and print dialogs.
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                     QStringLiteral("Annuler"));
        }
        QCOMPARE(TrText("Months", "Feb"), std::string("Feb"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        // English, or a translation that cannot be read, installs nothing.
        QCOMPARE(ProgramTranslation(Language::English, HL_FRENCH_TRANSLATION).Spoken(),
                 Language::English);
        QCOMPARE(ProgramTranslation(Language::French, "/no/such/file.qm").Spoken(),
                 Language::English);
        QCOMPARE(TrText("Months", "Feb"), std::string("Feb"));
    }

    // A caption still English in French is one that reads as it does in English and has a
    // letter, unless it is one of the few that French writes alike.
    void noWindowShowsAnEnglishCaption() {
        const Captions english = ProgramCaptions();
        Captions french;
        {
            const ProgramTranslation translation(Language::French, HL_FRENCH_TRANSLATION);
            QCOMPARE(translation.Spoken(), Language::French);
            french = ProgramCaptions();
        }
        QVERIFY(english.size() > 100);
        QStringList left;
        for (const auto& [place, text] : french) {
            const auto same = english.find(place);
            if (same != english.end() && same->second == text && HasLetter(text) &&
                !kSameInFrench.count(text.trimmed()))
                left << place + QStringLiteral(" = \"") + text + QLatin1Char('"');
        }
        qInfo("%lld captions, %lld still English", static_cast<long long>(french.size()),
              static_cast<long long>(left.size()));
        for (const QString& line : left)
            qInfo("%s", qPrintable(line));
        // The windows' own texts are translated on branches of their own; until they are
        // merged, the captions those windows set stay English.
        QEXPECT_FAIL("", "the windows' own captions are not translated yet", Continue);
        QVERIFY(left.isEmpty());
    }

    // The sample's reports in French, as pdftotext reads them: titles, captions, heads, dates and
    // footers, the figures as the English reports print them.
    void theSamplesReportsPrintInFrench() {
        const Report englishReport = SampleReports();
        const ProgramTranslation translation(Language::French, HL_FRENCH_TRANSLATION);
        const Report report = SampleReports();
        QCOMPARE(report.size(), englishReport.size());
        QCOMPARE(report.size(), std::size_t{9});
        const std::string summary = PageText(report[0]);
        const std::string changes = PageText(report[1]);
        const std::string schedule = PageText(report[2]);
        for (const auto& [page, expected] : std::vector<std::pair<std::string, const char*>>{
                 {summary, "Sommaire du pr\xC3\xAAt"},
                 {summary, "Situation au : mars 11 1997  (versement num\xC3\xA9ro : 260)"},
                 {summary, "Solde restant :"},
                 {summary, "75305.39"},
                 {summary, "courir, il serait rembours\xC3\xA9 le :"},
                 {summary, "juin 7 2005"},
                 {summary, "Page : 1 de 9"},
                 {summary, "Montant du pr\xC3\xAAt"},
                 {summary, "Fr\xC3\xA9quence des versements : "},
                 {changes, "Changements de versement et versements forfaitaires"},
                 {changes, "janv. 26 1993"},
                 {changes, "Page : 2 de 9"},
                 {schedule, "Tableau des versements"},
                 {schedule, "Vers.     Capit. Int\xC3\xA9r."},
                 {schedule, "mars 24 1992"},
                 {schedule, "249.99"},
             })
            QVERIFY2(page.find(expected) != std::string::npos, expected);
        // Every English title and heading is gone; the figures stay as they were.
        for (const char* english : {"Summary Schedule", "Schedule of Payments", "Balance Remaining",
                                    "Page: ", "Mortgage Amount", "Mar 24 1992"})
            for (const Page& page : report)
                QVERIFY2(PageText(page).find(english) == std::string::npos, english);
        // Set HL_FRENCH_PDF to a path to keep the document, to read it with pdftotext -layout.
        if (const QByteArray keep = qgetenv("HL_FRENCH_PDF"); !keep.isEmpty())
            QVERIFY(WritePdf(report, QString::fromLocal8Bit(keep)));
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::FrenchTest)
#include "french_test.moc"
