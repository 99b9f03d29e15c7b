// The "Buying a Home" window offscreen: the figures refresh as boxes are left, a refusal is
// said in the window, the mortgage goes to the input form (asked first over a scenario), the
// transfer tax to the estimate, the inputs come back in a new window, and it prints and copies.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "calculator_window_fixture.h"
#include "calculators/ui/estimate_window.h"
#include "calculators/ui/purchase_window.h"
#include "support/window_test_main.h"

namespace hl {

using test::BoxText;
using test::Child;

class PurchaseWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestBed> bed_;
    std::unique_ptr<PurchaseWindow> w_;

    // Types into a box and leaves it by Enter, as a user does.
    void Type(QLineEdit* box, const QString& text) {
        test::TypeInto(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // The first worked example of issue 22: 500000, 5 % down, Ontario, 25 years.
    void TypeFirstExample() {
        Type(w_->PriceBox, "500000");
        Type(w_->DownBox, "25000");
        Type(w_->RateBox, "4.95");
        Type(w_->ClosingBox, "2026-06-01");
    }

  private slots:
    void init() {
        bed_ = std::make_unique<test::WindowTestBed>();
        w_ = std::make_unique<PurchaseWindow>(bed_->context);
        test::Activate(w_.get());
    }
    void cleanup() {
        QCOMPARE(test::Unscripted(bed_->services), std::string());
        w_.reset();
        bed_.reset();
    }

    void figuresRefreshAsBoxesAreLeft() {
        QCOMPARE(w_->objectName(), QStringLiteral("Form19"));
        QCOMPARE(w_->PremiumText->text(), QString());
        TypeFirstExample();
        QCOMPARE(BoxText(w_.get(), "PriceBox"), QStringLiteral("500000.00"));
        QCOMPARE(BoxText(w_.get(), "RateBox"), QStringLiteral("4.950"));
        const struct {
            const char* box;
            const char* text;
        } kShown[] = {{"MinimumDownText", "25000.00"},
                      {"LtvText", "95.00"},
                      {"PremiumRateText", "4.00"},
                      {"PremiumText", "19000.00"},
                      {"PremiumTaxText", "1520.00"},
                      {"TotalMortgageText", "494000.00"},
                      {"PaymentText", "2859.06"},
                      {"QualifyingRateText", "6.95"},
                      {"LandTransferText", "6475.00"},
                      {"CashText", "32995.00"},
                      {"GdsText", ""}};
        for (const auto& shown : kShown)
            QCOMPARE(BoxText(w_.get(), shown.box), QString::fromLatin1(shown.text));
        QCOMPARE(w_->RulesLabel->text(),
                 QStringLiteral("The rules in force on 2026-06-01 are used."));
        // The city is a choice of its own: Toronto adds its tax at once.
        w_->CityCombo->setCurrentIndex(1);
        emit w_->CityCombo->activated(1);
        QCOMPARE(BoxText(w_.get(), "MunicipalTransferText"), QStringLiteral("6475.00"));
        Type(w_->IncomeBox, "150000");
        QCOMPARE(BoxText(w_.get(), "GdsText"), QStringLiteral("27.56"));
        QVERIFY(w_->VerdictLabel->text().startsWith("Qualifies"));
    }

    void aRefusalIsSaidAndTheMinimumShown() {
        Type(w_->PriceBox, "1500000");
        Type(w_->DownBox, "299999");
        Type(w_->RateBox, "4");
        QCOMPARE(BoxText(w_.get(), "MinimumDownText"), QStringLiteral("300000.00"));
        QCOMPARE(BoxText(w_.get(), "PremiumText"), QString());
        QCOMPARE(w_->MessageLabel->text(),
                 QStringLiteral("Cannot be financed so: a price of 1500000.00 is at or above the "
                                "insured price cap of 1500000.00: 20 % down needed: 300000.00."));
        QVERIFY(w_->PrintForm().refusal.has_value());
        // Nothing to hand on: the input form is not touched.
        w_->UseScenarioButton->click();
        QCOMPARE(bed_->services.Messages().back().title, std::string("Mortgage Input Violation"));
        QCOMPARE(bed_->session.scenario.amount, 0.0f);
    }

    void aProvinceWithoutTablesTakesTheTypedTax() {
        TypeFirstExample();
        QVERIFY(!w_->TypedTransferBox->isEnabled());
        w_->ProvinceCombo->setCurrentIndex(w_->ProvinceCombo->findData("NS"));
        emit w_->ProvinceCombo->activated(w_->ProvinceCombo->currentIndex());
        QCOMPARE(w_->MessageLabel->text(), QStringLiteral("No transfer tax table is held for Nova "
                                                          "Scotia: type the amount in the "
                                                          "transfer tax box."));
        QCOMPARE(BoxText(w_.get(), "LandTransferText"), QString());
        QVERIFY(w_->TypedTransferBox->isEnabled());
        Type(w_->TypedTransferBox, "6000");
        QCOMPARE(BoxText(w_.get(), "LandTransferText"), QStringLiteral("6000.00"));
        QCOMPARE(BoxText(w_.get(), "CashText"), QStringLiteral("31000.00"));
    }

    void useAsScenarioAsksFirstOverAScenario() {
        TypeFirstExample();
        bed_->session.scenario.amount = 100000;
        bed_->session.scenario.term = 5;
        bed_->services.QueueAnswer(MessageAnswer::No);
        w_->UseScenarioButton->click();
        QCOMPARE(bed_->services.Messages().back().title,
                 std::string("Warning - possible data loss..."));
        QCOMPARE(bed_->session.scenario.amount, 100000.0f);
        bed_->services.QueueAnswer(MessageAnswer::Yes);
        w_->UseScenarioButton->click();
        const Scenario& s = bed_->session.scenario;
        QCOMPARE(s.amount, 494000.0f);
        QCOMPARE(s.rate, 4.95f);
        QCOMPARE(s.amortization, 25.0f);
        QCOMPARE(s.frequency, kMonthly);
        QCOMPARE(s.term, 5.0f);
        QCOMPARE(bed_->host.shown.back(), std::string("Form2"));
        QVERIFY(bed_->session.Unsaved());
        QCOMPARE(bed_->services.Messages().size(), std::size_t(2));
    }

    void useInEstimateFillsTheLandTransferBox() {
        std::unique_ptr<EstimateWindow> estimate;
        bed_->host.factories["Form5"] = [&] {
            estimate = std::make_unique<EstimateWindow>(bed_->context);
            return estimate.get();
        };
        TypeFirstExample();
        w_->FirstTimeCheck->setChecked(true);
        w_->UseEstimateButton->click();
        QVERIFY(estimate);
        QCOMPARE(estimate->Text3->text(), QStringLiteral("2475.00"));
        QCOMPARE(estimate->Text13->text(), QStringLiteral("2475.00"));
        // The estimate's note on high-ratio mortgages opens this window.
        estimate->Command4->click();
        QCOMPARE(bed_->host.shown.back(), std::string("Form19"));
    }

    void inputsComeBackAndTheFormPrintsAndCopies() {
        TypeFirstExample();
        w_->ProvinceCombo->setCurrentIndex(w_->ProvinceCombo->findData("BC"));
        emit w_->ProvinceCombo->activated(w_->ProvinceCombo->currentIndex());
        QCOMPARE(BoxText(w_.get(), "LandTransferText"), QStringLiteral("8000.00"));
        const PrintOut printed = w_->PrintForm();
        QVERIFY(!printed.refusal);
        QVERIFY(!printed.pages.empty());
        const std::string copied = w_->CopyContent().text;
        QVERIFY2(copied.find("Net transfer tax\t8000.00\r\n") != std::string::npos, copied.c_str());
        test::CloseAndDelete(w_.release());
        w_ = std::make_unique<PurchaseWindow>(bed_->context);
        QCOMPARE(BoxText(w_.get(), "PriceBox"), QStringLiteral("500000.00"));
        QCOMPARE(w_->ProvinceCombo->currentData().toString(), QStringLiteral("BC"));
        QCOMPARE(BoxText(w_.get(), "LandTransferText"), QStringLiteral("8000.00"));
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::PurchaseWindowTest)
#include "purchase_window_test.moc"
