// The "Buying a Home" window: reads its boxes, computes the purchase by the rule tables and
// shows the figures; hands the mortgage to the input form and the transfer tax to the estimate.
#include "calculators/ui/purchase_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "calculators/ui/estimate_window.h"
#include "core/box_value.h"
#include "core/day_number.h"
#include "core/format.h"
#include "core/translate.h"
#include "print/purchase_report.h"
#include "windowkit/accessible_names.h"

namespace hl {
namespace {

std::string TextOf(const QLineEdit* box) { return box->text().toStdString(); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

std::string MoneyText(Money payment) {
    return calc::CentsText(std::llround(static_cast<double>(payment) * 100.0));
}

constexpr const char* kInputViolationTitle =
    QT_TRANSLATE_NOOP("hl::PurchaseWindow", "Mortgage Input Violation");
constexpr const char* kDataLossQuestionTitle =
    QT_TRANSLATE_NOOP("hl::PurchaseWindow", "Warning - possible data loss...");

} // namespace

PurchaseWindow::PurchaseWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form19, tr("Buying a Home"), parent) {
    if (auto problem = calc::LoadPurchaseRules(calc::ProgramRulesFolder(), rules_))
        rulesProblem_ = *problem;
    BuildControls();
    // Wide and high enough for its layout in either language (French captions are wider).
    PlaceInTwips(100, 100, 11000, 9600);
    Restore();
    Connect();
    Refresh();
}

void PurchaseWindow::BuildControls() {
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    auto edit = [this](const char* name, bool result) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("-9999999999.99")) + 12);
        box->setReadOnly(result);
        return box;
    };
    auto combo = [this](const char* name) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    PriceBox = edit("PriceBox", false);
    DownBox = edit("DownBox", false);
    DownKindCombo = combo("DownKindCombo");
    DownKindCombo->addItems({tr("dollars"), tr("% of price")});
    ProvinceCombo = combo("ProvinceCombo");
    for (const char* code : calc::kProvinceCodes)
        ProvinceCombo->addItem(Q(TrText("Provinces", calc::ProvinceName(code))),
                               QString::fromLatin1(code));
    CityCombo = combo("CityCombo");
    CityCombo->addItem(tr("no city tax"), QString());
    CityCombo->addItem(tr("Toronto"), QStringLiteral("toronto"));
    CityCombo->addItem(tr("Montreal"), QStringLiteral("montreal"));
    FirstTimeCheck = new QCheckBox(tr("First-time buyer"), this);
    FirstTimeCheck->setObjectName(QStringLiteral("FirstTimeCheck"));
    NewBuildCheck = new QCheckBox(tr("New build"), this);
    NewBuildCheck->setObjectName(QStringLiteral("NewBuildCheck"));
    YearsBox = edit("YearsBox", false);
    RateBox = edit("RateBox", false);
    FrequencyCombo = combo("FrequencyCombo");
    for (int code = 1; code <= 4; ++code)
        FrequencyCombo->addItem(Q(FrequencyCaption(code)), code);
    ClosingBox = edit("ClosingBox", false);
    ClosingBox->setPlaceholderText(Q(calc::IsoDateText(Today())));
    IncomeBox = edit("IncomeBox", false);
    TaxesBox = edit("TaxesBox", false);
    HeatingBox = edit("HeatingBox", false);
    CondoBox = edit("CondoBox", false);
    DebtsBox = edit("DebtsBox", false);
    TypedTransferBox = edit("TypedTransferBox", false);

    MinimumDownText = edit("MinimumDownText", true);
    LtvText = edit("LtvText", true);
    PremiumRateText = edit("PremiumRateText", true);
    PremiumText = edit("PremiumText", true);
    PremiumTaxText = edit("PremiumTaxText", true);
    TotalMortgageText = edit("TotalMortgageText", true);
    PaymentText = edit("PaymentText", true);
    QualifyingRateText = edit("QualifyingRateText", true);
    QualifyingPaymentText = edit("QualifyingPaymentText", true);
    GdsText = edit("GdsText", true);
    TdsText = edit("TdsText", true);
    MaxMortgageText = edit("MaxMortgageText", true);
    LandTransferText = edit("LandTransferText", true);
    MunicipalTransferText = edit("MunicipalTransferText", true);
    RebateText = edit("RebateText", true);
    NetTransferText = edit("NetTransferText", true);
    CashText = edit("CashText", true);
    results_ = {MinimumDownText,
                LtvText,
                PremiumRateText,
                PremiumText,
                PremiumTaxText,
                TotalMortgageText,
                PaymentText,
                QualifyingRateText,
                QualifyingPaymentText,
                GdsText,
                TdsText,
                MaxMortgageText,
                LandTransferText,
                MunicipalTransferText,
                RebateText,
                NetTransferText,
                CashText};
    for (QLineEdit* box : results_)
        box->setFocusPolicy(Qt::ClickFocus);

    VerdictLabel = new QLabel(this);
    VerdictLabel->setObjectName(QStringLiteral("VerdictLabel"));
    VerdictLabel->setWordWrap(true);
    MessageLabel = new QLabel(this);
    MessageLabel->setObjectName(QStringLiteral("MessageLabel"));
    MessageLabel->setWordWrap(true);
    MessageLabel->setStyleSheet(QStringLiteral("color: #a00000"));
    RulesLabel = new QLabel(this);
    RulesLabel->setObjectName(QStringLiteral("RulesLabel"));
    RulesLabel->setWordWrap(true);
    UseScenarioButton = new QPushButton(tr("&Use as Scenario"), this);
    UseScenarioButton->setObjectName(QStringLiteral("UseScenarioButton"));
    UseEstimateButton = new QPushButton(tr("Use &in Estimate"), this);
    UseEstimateButton->setObjectName(QStringLiteral("UseEstimateButton"));
    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));

    auto* inputs = new QGroupBox(tr("The purchase"), this);
    auto* in = new QFormLayout(inputs);
    auto row = [this](QFormLayout* form, const QString& caption, QWidget* box,
                      QWidget* beside = nullptr) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        NameAfterCaption(box, caption);
        if (!beside) {
            form->addRow(label, box);
            return;
        }
        auto* pair = new QHBoxLayout;
        pair->addWidget(box);
        pair->addWidget(beside);
        form->addRow(label, pair);
    };
    row(in, tr("&Price:"), PriceBox);
    row(in, tr("&Down payment:"), DownBox, DownKindCombo);
    DownKindCombo->setAccessibleName(tr("Down payment in"));
    row(in, tr("Pr&ovince:"), ProvinceCombo);
    row(in, tr("Cit&y:"), CityCombo);
    auto* buyer = new QHBoxLayout;
    buyer->addWidget(FirstTimeCheck);
    buyer->addWidget(NewBuildCheck);
    buyer->addStretch(1);
    // Across both columns: the boxes' column alone is too narrow for the captions in French.
    in->addRow(buyer);
    row(in, tr("A&mortization (years):"), YearsBox);
    row(in, tr("Contract &rate (%):"), RateBox);
    row(in, tr("Fre&quency:"), FrequencyCombo);
    row(in, tr("C&losing date (YYYY-MM-DD):"), ClosingBox);
    row(in, tr("&Gross household income a year:"), IncomeBox);
    row(in, tr("Property ta&xes a year:"), TaxesBox);
    row(in, tr("Heati&ng a month:"), HeatingBox);
    row(in, tr("Condo fees a month:"), CondoBox);
    row(in, tr("Other de&bt payments a month:"), DebtsBox);
    row(in, tr("Transfer tax (&keyed in):"), TypedTransferBox);

    auto* outputs = new QGroupBox(tr("What it takes"), this);
    auto* out = new QFormLayout(outputs);
    row(out, tr("Minimum down payment:"), MinimumDownText);
    row(out, tr("Loan to value (%):"), LtvText);
    row(out, tr("Insurance premium rate (%):"), PremiumRateText);
    row(out, tr("Insurance premium:"), PremiumText);
    row(out, tr("Tax on the premium (cash):"), PremiumTaxText);
    row(out, tr("Total mortgage:"), TotalMortgageText);
    row(out, tr("Payment:"), PaymentText);
    row(out, tr("Qualifying rate (%):"), QualifyingRateText);
    row(out, tr("Qualifying Monthly payment:"), QualifyingPaymentText);
    row(out, tr("GDS (%):"), GdsText);
    row(out, tr("TDS (%):"), TdsText);
    row(out, tr("Largest mortgage that qualifies:"), MaxMortgageText);
    row(out, tr("Land transfer tax:"), LandTransferText);
    row(out, tr("Municipal transfer tax:"), MunicipalTransferText);
    row(out, tr("Rebates:"), RebateText);
    row(out, tr("Net transfer tax:"), NetTransferText);
    row(out, tr("Cash needed at closing:"), CashText);

    auto* columns = new QHBoxLayout;
    columns->addWidget(inputs);
    columns->addWidget(outputs);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(UseScenarioButton);
    buttons->addWidget(UseEstimateButton);
    buttons->addStretch(1);
    buttons->addWidget(CloseButton);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addLayout(columns);
    page->addWidget(VerdictLabel);
    page->addWidget(MessageLabel);
    page->addWidget(RulesLabel);
    page->addLayout(buttons);

    QWidget* order[] = {PriceBox,         DownBox,           DownKindCombo,     ProvinceCombo,
                        CityCombo,        FirstTimeCheck,    NewBuildCheck,     YearsBox,
                        RateBox,          FrequencyCombo,    ClosingBox,        IncomeBox,
                        TaxesBox,         HeatingBox,        CondoBox,          DebtsBox,
                        TypedTransferBox, UseScenarioButton, UseEstimateButton, CloseButton};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void PurchaseWindow::Connect() {
    for (QLineEdit* box : {PriceBox, DownBox, YearsBox, RateBox, IncomeBox, TaxesBox, HeatingBox,
                           CondoBox, DebtsBox, TypedTransferBox}) {
        events_.NumericOnly(box);
        events_.OnLostFocus(box, [this, box] { BoxLostFocus(box); });
    }
    events_.EnterMovesOn(ClosingBox);
    events_.OnLostFocus(ClosingBox, [this] { BoxLostFocus(ClosingBox); });
    for (QComboBox* box : {DownKindCombo, ProvinceCombo, CityCombo, FrequencyCombo})
        connect(box, &QComboBox::activated, this, &PurchaseWindow::Refresh);
    for (QCheckBox* box : {FirstTimeCheck, NewBuildCheck})
        connect(box, &QCheckBox::toggled, this, &PurchaseWindow::Refresh);
    connect(UseScenarioButton, &QPushButton::clicked, this, &PurchaseWindow::UseAsScenarioClick);
    connect(UseEstimateButton, &QPushButton::clicked, this, &PurchaseWindow::UseInEstimateClick);
    connect(CloseButton, &QPushButton::clicked, this, &PurchaseWindow::CloseClick);
}

// The inputs kept in the settings, in this order.
void PurchaseWindow::Restore() {
    const std::vector<std::string> kept = services_.SettingList(kSettingsKey);
    const auto text = [&](std::size_t k) { return k < kept.size() ? Q(kept[k]) : QString(); };
    QLineEdit* boxes[] = {PriceBox, DownBox,    YearsBox, RateBox,  ClosingBox,      IncomeBox,
                          TaxesBox, HeatingBox, CondoBox, DebtsBox, TypedTransferBox};
    for (std::size_t k = 0; k < std::size(boxes); ++k)
        boxes[k]->setText(text(k));
    if (kept.empty())
        YearsBox->setText(QStringLiteral("25.00"));
    const auto pick = [](QComboBox* box, const QString& data) {
        const int at = box->findData(data);
        if (at >= 0)
            box->setCurrentIndex(at);
    };
    DownKindCombo->setCurrentIndex(text(11) == QLatin1String("%") ? 1 : 0);
    pick(ProvinceCombo, text(12));
    pick(CityCombo, text(13));
    FirstTimeCheck->setChecked(text(14) == QLatin1String("1"));
    NewBuildCheck->setChecked(text(15) == QLatin1String("1"));
    if (const int at = FrequencyCombo->findData(text(16).toInt()); at >= 0)
        FrequencyCombo->setCurrentIndex(at);
    if (text(16).isEmpty())
        FrequencyCombo->setCurrentIndex(0);
}

void PurchaseWindow::Keep() {
    std::vector<std::string> kept;
    for (QLineEdit* box : {PriceBox, DownBox, YearsBox, RateBox, ClosingBox, IncomeBox, TaxesBox,
                           HeatingBox, CondoBox, DebtsBox, TypedTransferBox})
        kept.push_back(TextOf(box));
    kept.push_back(DownKindCombo->currentIndex() == 1 ? "%" : "$");
    kept.push_back(ProvinceCombo->currentData().toString().toStdString());
    kept.push_back(CityCombo->currentData().toString().toStdString());
    kept.push_back(FirstTimeCheck->isChecked() ? "1" : "0");
    kept.push_back(NewBuildCheck->isChecked() ? "1" : "0");
    kept.push_back(std::to_string(FrequencyCombo->currentData().toInt()));
    services_.SetSettingList(kSettingsKey, kept);
}

void PurchaseWindow::Unloading() { Keep(); }

void PurchaseWindow::BoxLostFocus(QLineEdit* box) {
    const std::string text = TextOf(box);
    if (box != ClosingBox && !text.empty()) {
        // The boxes show what the computation reads: amounts to the cent, the rate to 0.001.
        const char* pattern = box == RateBox                                         ? "#0.000"
                              : box == DownBox && DownKindCombo->currentIndex() == 1 ? "#0.00"
                                                                                     : "0.00";
        box->setText(Q(FormatNumber(TextValue(text), pattern)));
    }
    Refresh();
}

calc::PurchaseInputs PurchaseWindow::Inputs() const {
    calc::PurchaseInputs in;
    const auto cents = [](const QLineEdit* box) {
        return calc::FixedValue(TextOf(box), 2).value_or(0);
    };
    in.price = cents(PriceBox);
    if (DownKindCombo->currentIndex() == 1)
        in.downRate = cents(DownBox);
    else
        in.down = cents(DownBox);
    in.province = ProvinceCombo->currentData().toString().toStdString();
    in.city = CityCombo->currentData().toString().toStdString();
    in.firstTime = FirstTimeCheck->isChecked();
    in.newBuild = NewBuildCheck->isChecked();
    in.years = cents(YearsBox);
    in.rate = calc::FixedValue(TextOf(RateBox), 3).value_or(0);
    in.frequency = FrequencyFromCode(FrequencyCombo->currentData().toInt()).value_or(kMonthly);
    in.closing = calc::IsoDateValue(TextOf(ClosingBox)).value_or(Today());
    if (!IncomeBox->text().isEmpty())
        in.income = cents(IncomeBox);
    in.taxes = cents(TaxesBox);
    in.heating = cents(HeatingBox);
    in.condo = cents(CondoBox);
    in.debts = cents(DebtsBox);
    if (!TypedTransferBox->text().isEmpty())
        in.typedTransferTax = cents(TypedTransferBox);
    return in;
}

void PurchaseWindow::Refresh() {
    computed_ = false;
    if (!rulesProblem_.empty()) {
        for (QLineEdit* box : results_)
            box->clear();
        VerdictLabel->clear();
        RulesLabel->clear();
        MessageLabel->setText(tr("The rule tables could not be read: %1").arg(Q(rulesProblem_)));
        return;
    }
    const calc::PurchaseInputs in = Inputs();
    const bool closingTyped = !ClosingBox->text().isEmpty();
    RulesLabel->setText(
        (closingTyped && !calc::IsoDateValue(TextOf(ClosingBox))
             ? tr("The closing date is not a date (YYYY-MM-DD): the rules in force today, %1, "
                  "are used.")
             : tr("The rules in force on %1 are used."))
            .arg(Q(calc::IsoDateText(in.closing))));
    if (in.price <= 0 || in.rate <= 0 || DownBox->text().isEmpty()) {
        for (QLineEdit* box : results_)
            box->clear();
        VerdictLabel->clear();
        MessageLabel->setText(tr("Type the price, the down payment and the contract rate."));
        return;
    }
    result_ = calc::ComputePurchase(in, rules_);
    Show(result_);
}

void PurchaseWindow::Show(const calc::PurchaseResult& r) {
    for (QLineEdit* box : results_)
        box->clear();
    VerdictLabel->clear();
    TypedTransferBox->setEnabled(!r.transferTaxHeld || !TypedTransferBox->text().isEmpty());
    if (r.minimumDown > 0)
        MinimumDownText->setText(Q(calc::CentsText(r.minimumDown)));
    if (!r.refusal.empty()) {
        MessageLabel->setText(tr("Cannot be financed so: %1.").arg(Q(r.refusal)));
        return;
    }
    computed_ = true;
    LtvText->setText(Q(calc::HundredthsText(r.ltv)));
    PremiumRateText->setText(Q(calc::HundredthsText(r.premiumRate)));
    PremiumText->setText(Q(calc::CentsText(r.premium)));
    PremiumTaxText->setText(Q(calc::CentsText(r.premiumTax)));
    TotalMortgageText->setText(Q(calc::CentsText(r.totalMortgage)));
    PaymentText->setText(Q(MoneyText(r.payment)));
    QualifyingRateText->setText(Q(calc::RateText(r.qualifyingRate)));
    QualifyingPaymentText->setText(Q(MoneyText(r.qualifyingPayment)));
    if (r.gds) {
        GdsText->setText(Q(calc::HundredthsText(*r.gds)));
        TdsText->setText(Q(calc::HundredthsText(*r.tds)));
        const QString gds = Q(calc::HundredthsText(r.gdsLimit));
        const QString tds = Q(calc::HundredthsText(r.tdsLimit));
        VerdictLabel->setText(
            *r.qualifies ? tr("Qualifies: within both limits (GDS %1 %, TDS %2 %).").arg(gds, tds)
            : !*r.gdsPasses && !*r.tdsPasses
                ? tr("Does not qualify: above both limits (GDS %1 %, TDS %2 %).").arg(gds, tds)
            : !*r.gdsPasses ? tr("Does not qualify: above the GDS limit of %1 %.").arg(gds)
                            : tr("Does not qualify: above the TDS limit of %1 %.").arg(tds));
        MaxMortgageText->setText(Q(calc::CentsText(*r.maxMortgage)));
    } else {
        VerdictLabel->setText(tr("Type the gross household income for GDS and TDS."));
    }
    if (r.transferTaxHeld || !TypedTransferBox->text().isEmpty())
        LandTransferText->setText(Q(calc::CentsText(r.landTransferTax)));
    MunicipalTransferText->setText(Q(calc::CentsText(r.municipalTransferTax)));
    RebateText->setText(Q(calc::CentsText(r.rebate)));
    NetTransferText->setText(Q(calc::CentsText(r.netTransferTax)));
    CashText->setText(Q(calc::CentsText(r.cashAtClosing)));
    MessageLabel->setText(
        r.transferTaxHeld
            ? QString()
            : tr("No transfer tax table is held for %1: type the amount in the transfer tax box.")
                  .arg(ProvinceCombo->currentText()));
}

void PurchaseWindow::UseAsScenarioClick() {
    if (!FinishPendingEdit())
        return;
    if (!computed_) {
        services_.Beep();
        services_.Tell(
            tr(kInputViolationTitle).toStdString(),
            tr("There is no mortgage to use yet: the purchase has no figures.").toStdString());
        return;
    }
    const std::string amountText =
        FormatNumber(static_cast<double>(result_.totalMortgage) / 100.0, "######0.00");
    const Money amount = calc::BoxValue(amountText).value_or(0);
    if (amount > kMaxAmount) {
        services_.Beep();
        services_.Tell(tr(kInputViolationTitle).toStdString(),
                       tr("The total mortgage of %1 is above the 500000 the input form takes.")
                           .arg(Q(amountText))
                           .toStdString());
        return;
    }
    const Scenario& now = session_.scenario;
    const bool entered = now.amount > 0 || now.rate > 0 || now.amortization > 0 || now.term > 0 ||
                         now.start > 0 || !now.comment.empty();
    const Frequency frequency =
        FrequencyFromCode(FrequencyCombo->currentData().toInt()).value_or(kMonthly);
    const bool erasesChanges = session_.changes.Count() > 0 && frequency != now.frequency;
    if (entered) {
        const QString question =
            erasesChanges ? tr("A scenario is entered.  Do you want its amount, rate, "
                               "amortization and frequency replaced by this purchase's?\r"
                               "Its payment changes and lump payments will be erased, as the "
                               "frequency changes.")
                          : tr("A scenario is entered.  Do you want its amount, rate, "
                               "amortization and frequency replaced by this purchase's?");
        if (services_.Ask(tr(kDataLossQuestionTitle).toStdString(), question.toStdString(),
                          MessageButtons::YesNo) != MessageAnswer::Yes)
            return;
    }
    host_.CloseResultWindows();
    host_.CloseChild(WindowId::Form2);
    Scenario& s = session_.scenario;
    s.amount = amount;
    s.rate = calc::BoxValue(FormatNumber(TextValue(TextOf(RateBox)), "#0.000")).value_or(0);
    s.amortization =
        calc::BoxValue(FormatNumber(TextValue(TextOf(YearsBox)), "#####0.00")).value_or(0);
    s.frequency = frequency;
    if (erasesChanges)
        session_.ClearChanges();
    MarkChanged();
    host_.ShowChild(WindowId::Form2);
}

void PurchaseWindow::UseInEstimateClick() {
    if (!FinishPendingEdit())
        return;
    if (!computed_) {
        services_.Beep();
        services_.Tell(
            tr(kInputViolationTitle).toStdString(),
            tr("There is no transfer tax to use yet: the purchase has no figures.").toStdString());
        return;
    }
    const std::string net = calc::CentsText(result_.netTransferTax);
    auto* estimate = dynamic_cast<EstimateWindow*>(host_.ShowChild(WindowId::Form5));
    if (!estimate)
        return;
    estimate->Text3->setText(Q(net));
    estimate->TextLostFocus(3);
    MarkChanged();
}

void PurchaseWindow::CloseClick() { Unload(); }

ClipboardContent PurchaseWindow::CopyContent() const {
    ClipboardContent content;
    PrintOut out = PrintForm();
    if (out.refusal)
        return content;
    const auto line = [&](const QLineEdit* box) {
        content.text += box->accessibleName().toStdString() + "\t" + TextOf(box) + "\r\n";
    };
    for (const QLineEdit* box : {PriceBox, DownBox})
        line(box);
    for (const QLineEdit* box : results_)
        line(box);
    content.text += RulesLabel->text().toStdString() + "\r\n";
    return content;
}

PrintOut PurchaseWindow::PrintForm() const {
    if (!computed_)
        return PrintOut::Refused(kPrintWarningTrapTitle, kNotCalculatedPrintText);
    PurchaseSheet sheet;
    const auto input = [&](const QString& caption, const QString& text) {
        sheet.inputs.emplace_back(caption.toStdString(), text.toStdString());
    };
    input(tr("Price"), PriceBox->text());
    input(DownKindCombo->currentIndex() == 1 ? tr("Down payment (% of price)") : tr("Down payment"),
          DownBox->text());
    input(tr("Province"),
          ProvinceCombo->currentText() +
              (CityCombo->currentIndex() > 0 ? ", " + CityCombo->currentText() : QString()));
    const bool first = FirstTimeCheck->isChecked();
    input(tr("Buyer"),
          NewBuildCheck->isChecked()
              ? (first ? tr("first-time buyer, new build") : tr("not first-time, new build"))
              : (first ? tr("first-time buyer") : tr("not first-time")));
    input(tr("Amortization (years)"), YearsBox->text());
    input(tr("Contract rate (%)"), RateBox->text());
    input(tr("Frequency"), FrequencyCombo->currentText());
    input(tr("Closing date"), Q(calc::IsoDateText(result_.rulesDate)));
    for (const QLineEdit* box : {IncomeBox, TaxesBox, HeatingBox, CondoBox, DebtsBox})
        if (!box->text().isEmpty())
            input(box->accessibleName(), box->text());
    for (const QLineEdit* box : results_)
        if (!box->text().isEmpty())
            sheet.results.emplace_back(box->accessibleName().toStdString(), TextOf(box));
    for (const QLabel* label : {VerdictLabel, MessageLabel, RulesLabel})
        if (!label->text().isEmpty())
            sheet.notes.push_back(label->text().toStdString());
    return PrintOut::Printed(PurchaseReport(sheet));
}

} // namespace hl
