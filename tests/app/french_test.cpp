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

#include "analysis/lender_penalty.h"
#include "analysis/suggestions.h"
#include "app/program_fixture.h"
#include "app/translation.h"
#include "calculators/purchase.h"
#include "cli/study_input.h"
#include "core/day_number.h"
#include "core/format.h"
#include "print/compare_report.h"
#include "print/discharge_report.h"
#include "print/estimate_report.h"
#include "print/lender_report.h"
#include "print/purchase_report.h"
#include "print/qt/page_renderer.h"
#include "print/refinance_report.h"
#include "print/refinance_search_report.h"
#include "print/reports.h"
#include "print/shopper_report.h"
#include "print/suggestions_report.h"
#include "support/window_test_main.h"

namespace hl {
namespace {

/// Texts that read the same in both languages.
const std::set<QString> kSameInFrench = {QStringLiteral("Hearthline"),
                                         QStringLiteral("OK"),
                                         QStringLiteral("%"),
                                         QStringLiteral("Date"),
                                         QStringLiteral("Note"),
                                         QStringLiteral("Conclusion"),
                                         QStringLiteral("Total"),
                                         QStringLiteral("Page"),
                                         QStringLiteral("Hearthline 2.0"),
                                         QStringLiteral("Hearthline, version 2.0"),
                                         QStringLiteral("Hearthline - version 2.0")};

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

/// Where a Courier New text's first and last marks stand, in grid columns: every character takes
/// a tenth of a cell a point.
double InkStart(const PlacedText& t) {
    const QString text = QString::fromStdString(t.text);
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks] == QLatin1Char(' '))
        ++blanks;
    return t.column + static_cast<double>(blanks) * t.font.size / 10;
}
double InkEnd(const PlacedText& t) {
    QString text = QString::fromStdString(t.text);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return t.column + static_cast<double>(text.size()) * t.font.size / 10;
}

/// The tool windows' reports over inputs as the windows would hand them over in French (dates
/// in French, figures as ever), in one document.
Report ToolReports() {
    const Scenario s{102500, 9.375f, 25, 5, DayFromCivil(1992, 3, 24), "Renouvellement", kWeekly};
    const auto date = [](int y, int m, int d) {
        return FormatDate(DayFromCivil(y, m, d), "mmm d yyyy");
    };
    Report all;
    const auto add = [&all](Report report) {
        for (Page& page : report)
            all.push_back(std::move(page));
    };
    add(DischargeReport(s, {date(1992, 3, 24), date(1997, 3, 11), date(1995, 2, 15), "7.500", "",
                            "4321.00", "4100.55", "2399.10"}));
    add(EstimateReport({"180000.00",
                        {"1300.00", "1525.00", "0.00", "300.00", "750.00", "300.00", "400.00",
                         "1000.00", "400.00", "925.00", "1000.00"},
                        "7900.00",
                        "187900.00",
                        {"10000.00", "0.00", "33000.00"},
                        "43000.00",
                        "144900.00"}));
    add(RefinanceReport({date(1992, 3, 24), date(1997, 3, 11), "9.375", date(1995, 2, 15), "7.000",
                         "94511.22", "2345.67", "250.00", "97106.89", "894.49", "900.00",
                         FormatDate(DayFromCivil(1997, 3, 11), "mmmm d yyyy"), "91234.56",
                         "90123.45", "1111.11", "177.00", "934.11"}));
    RefinanceSearchReportInputs search{FormatDate(DayFromCivil(1995, 2, 15), "mmm d, yyyy"),
                                       "10.000",
                                       "1500",
                                       false,
                                       SearchReportPenalty::AccInterest,
                                       SearchReportMode::DateOnly,
                                       {}};
    search.rows.push_back(
        {date(1995, 2, 15), "9.950", "894.49", "2345.67", "12345.67", "11234.56", "1111.11"});
    add(RefinanceSearchReport(search));
    add(ShopperReport(
        {{"100000.00", "  7.000", "  25.00", "  700.42", "  175.11", "  350.21", "  350.21"}}));
    CompareReportTexts t;
    t.one = {"102500.00",
             "9.375",
             "25.00",
             "5.00",
             FormatDate(s.start, "mmm, d yyyy"),
             FrequencyCaption(kWeekly),
             "218.50",
             date(1997, 3, 11),
             "75305.39",
             "64997.40",
             "3000.00",
             "27194.61",
             "40802.79",
             {}};
    t.two = {"100000.00",
             "10.000",
             "25.00",
             "5.00",
             FormatDate(s.start, "mmm d, yyyy"),
             FrequencyCaption(kTwiceAMonth),
             "894.49",
             date(1997, 3, 11),
             "95961.34",
             "53669.40",
             "0.00",
             "4038.66",
             "49630.74",
             {}};
    t.one.changes = {PaymentChange{3000, 0, DayFromCivil(1993, 1, 26)}};
    t.balanceDifference = "-20655.95";
    t.regularDifference = "11328.00";
    t.lumpDifference = "3000.00";
    t.grossSaving = "-20655.95";
    t.netSaving = "-6327.95";
    add(CompareReport(t));
    add(SuggestionsReport(analysis::SavingSuggestions(s, 8.0f)));
    // The lender's terms with a plan longer than its page holds, its table's heads as the
    // window's grid has them.
    LenderSheet lender;
    lender.terms = {{"Privil\xC3\xA8ge forfaitaire (% du montant)\xC2\xA0:", "15"}};
    lender.penalty = {{"Total pour rembourser\xC2\xA0:", "4321.00"}};
    lender.textbookRate =
        "\xC3\x80 7.500\xC2\xA0% (le taux affich\xC3\xA9 du jour moins le rabais).";
    lender.textbook = {{"M\xC3\xA9thode de la valeur future\xC2\xA0:", "4100.55"}};
    for (const char* head :
         {"Year", "Lumps", "Lump limit", "Largest increase", "Increase limit", "Excess"})
        lender.yearHeadings.push_back(
            QCoreApplication::translate("hl::LenderTermsWindow", head).toStdString());
    for (int year = 1992; year < 2052; ++year)
        lender.years.push_back(
            {std::to_string(year), "3000.00", "15375.00", "120.00", "4098.75", "0.00"});
    lender.verdict = "Dans les limites de vos privil\xC3\xA8ges.";
    add(LenderReport(s, lender));
    add(PurchaseReport(
        {{{"Prix", "400000.00"}}, {{"Mise de fonds minimale\xC2\xA0:", "30000.00"}}, {}}));
    return all;
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
        QVERIFY(left.isEmpty());
    }

    // The purchase's refusals and the lender's box messages are plain code's: French in a French
    // program with their figures as ever, English again (as the command line has them) without.
    void theNewWindowsPlainMessagesSpeakFrench() {
        calc::PurchaseInputs tooDear;
        tooDear.price = calc::kMaxPurchaseCents + 1;
        const auto refusal = [&] { return calc::ComputePurchase(tooDear, {}).refusal; };
        const auto moneyBox = [] {
            return *analysis::CheckLenderBox(analysis::LenderBox::Money, "500000.01").message;
        };
        {
            const ProgramTranslation french(Language::French, HL_FRENCH_TRANSLATION);
            QCOMPARE(refusal(), std::string("le prix doit \xC3\xAAtre d'au plus 1000000000.00"));
            const calc::CalcMessage box = moneyBox();
            QVERIFY2(box.text.rfind("Erreur, le montant doit \xC3\xAAtre de 0 \xC3\xA0 500000.00 "
                                    "dollars.\r\rVoulez-vous corriger",
                                    0) == 0,
                     box.text.c_str());
            QVERIFY(box.title != "Mortgage Input Error");
            QCOMPARE(TrText("Provinces", calc::ProvinceName("QC")), std::string("Qu\xC3\xA9"
                                                                                "bec"));
        }
        QCOMPARE(refusal(), std::string("the price must be at most 1000000000.00"));
        QCOMPARE(moneyBox().title, std::string("Mortgage Input Error"));
        QCOMPARE(TrText("Provinces", calc::ProvinceName("QC")), std::string("Quebec"));
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
                 {summary,
                  "Situation au\xC2\xA0: mars 11 1997  (versement num\xC3\xA9ro\xC2\xA0: 260)"},
                 {summary, "Solde restant\xC2\xA0:"},
                 {summary, "75305.39"},
                 {summary, "courir, il serait rembours\xC3\xA9 le\xC2\xA0:"},
                 {summary, "juin 7 2005"},
                 {summary, "Page\xC2\xA0: 1 de 9"},
                 {summary, "Montant du pr\xC3\xAAt"},
                 {summary, "Fr\xC3\xA9quence des versements\xC2\xA0: "},
                 {changes, "Changements de versement et versements forfaitaires"},
                 {changes, "janv. 26 1993"},
                 {changes, "Page\xC2\xA0: 2 de 9"},
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

    // The tool windows' reports in French: their titles, and the Courier New columns of
    // figures and headings still apart, each text starting within the frame.
    void theToolReportsPrintInFrench() {
        const ProgramTranslation translation(Language::French, HL_FRENCH_TRANSLATION);
        const Report report = ToolReports();
        std::string all;
        for (const Page& page : report) {
            for (const PlacedText& t : page.texts) {
                all += t.text + "\n";
                QVERIFY2(t.column >= 0 && t.column <= 95, t.text.c_str());
            }
            // Courier New cells are exact: 1/10 of a cell a point, every character alike.
            for (const PlacedText& a : page.texts)
                for (const PlacedText& b : page.texts) {
                    if (&a == &b || a.line != b.line || a.font.face != PrintFace::CourierNew ||
                        b.font.face != PrintFace::CourierNew || b.column <= a.column ||
                        QString::fromStdString(a.text).trimmed().isEmpty())
                        continue;
                    // At least half a cell between the last mark of one and the first of the next.
                    QVERIFY2(InkEnd(a) + 0.5 <= InkStart(b), (a.text + " | " + b.text).c_str());
                }
        }
        for (const char* title :
             {"Pénalité de remboursement anticipé", "Estimation du prêt hypothécaire requis",
              "Refinancement - résultats du scénario",
              "Étude de refinancement - les deux inconnues",
              "Résultats du comparateur de versements", "Comparaison de scénarios",
              "Suggestions d'économie", "Intérêts de trois mois\xC2\xA0:", "Deux fois par mois",
              "févr. 15 1995", "N'EST PAS APPLIQUÉE", "Méthode des intérêts cumulés",
              "Conditions et pénalité du prêteur", "Le plan comparé aux privilèges",
              "Hausse maximale", "années de plus (la fenêtre", "Achat d'une maison",
              "Ce qu'il faut\xC2\xA0:"})
            QVERIFY2(all.find(title) != std::string::npos, title);
        if (const QByteArray keep = qgetenv("HL_FRENCH_TOOLS_PDF"); !keep.isEmpty())
            QVERIFY(WritePdf(report, QString::fromLocal8Bit(keep)));
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::FrenchTest)
#include "french_test.moc"
