// The input form: its controls, where they stand, and what each event of the user does.
#include "scenario/ui/input_form.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <utility>

#include "core/format.h"
#include "core/translate.h"
#include "engine/scenario.h"
#include "platform/twips.h"
#include "scenario/ui/payment_changes_window.h"
#include "windowkit/accessible_names.h"
#include "windowkit/guarded_combo.h"

namespace hl {
namespace {

constexpr int kCommentLimit = kMaxCommentCharacters;

// The study file keeps the comment between double quotes, where a quote would end it early.
constexpr const char* kCommentQuote = QT_TRANSLATE_NOOP(
    "hl::InputForm", "Error, a comment cannot hold a double quote (\").  The study file keeps the "
                     "comment between double quotes.\r\rPlease use an apostrophe (') instead.");

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The input rules' constant titles and texts (scenario/input_rules.h), which the command line
// shares, in the program's language.
std::string RuleText(const char* text) { return TrText("Scenario Messages", text); }

// Shows a value from its first character: a value wider than its box is cut at the end, not at
// the start.
void Show(QLineEdit* box, const std::string& text) {
    box->setText(Q(text));
    box->setCursorPosition(0);
}

// A button whose caption wraps onto a second line when it is wider than the button, as the
// payment-changes button's long caption must.
class WrapButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        style()->drawItemText(&painter, area, Qt::AlignCenter | Qt::TextWordWrap, palette(),
                              isEnabled(), caption, foregroundRole());
    }
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption,
                  Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(alignment);
    return label;
}

QLineEdit* MakeBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// The display-only boxes are grey and read-only; a click still gives them the focus, which
// they refuse with a beep.
QLineEdit* MakeDisplayBox(QWidget* parent, const char* name) {
    QLineEdit* box = MakeBox(parent, name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette grey = box->palette();
    grey.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    box->setPalette(grey);
    return box;
}

} // namespace

InputForm::InputForm(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form2, tr("Input Profile"), parent) {
    BuildControls();
    PlaceControls();
    ShowForDebugLevel();
    ConnectEvents();
    LoadFromRecord();
}

void InputForm::BuildControls() {
    // The layout is in twips, drawn for an 8-point sans-serif: with the desktop's larger default
    // font the captions and the values would no longer fit their places.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    Label7 = MakeLabel(this, "Label7", tr("   Mortgage Data Input   "), Qt::AlignCenter);
    Label1 = MakeLabel(this, "Label1", tr("Mortgage Amount:"));
    Text1 = MakeBox(this, "Text1");
    Label2 = MakeLabel(this, "Label2", tr("Int. Rate (eg. 11.5):"));
    Text2 = MakeBox(this, "Text2");
    Label3 = MakeLabel(this, "Label3", tr("Am. Period (years):"));
    Text3 = MakeBox(this, "Text3");
    Label4 = MakeLabel(this, "Label4", tr("Length of Loan (years):"));
    Text4 = MakeBox(this, "Text4");
    Label5 = MakeLabel(this, "Label5", tr("Start Date (eg. Jan 1 93):"));
    Text5 = MakeBox(this, "Text5");
    Label6 = MakeLabel(this, "Label6", tr("Payment Frequency:"));
    Combo1 = new GuardedCombo(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (int code = kMonthly; code <= kEveryTwoWeeks; ++code)
        Combo1->addItem(QString::fromStdString(FrequencyCaption(code)));

    Command2 = new WrapButton(tr("Enter / View Payment Changes"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Label11 =
        MakeLabel(this, "Label11", tr("There are payment changes scheduled for this scenario"),
                  Qt::AlignLeft | Qt::AlignVCenter);
    Label8 = MakeLabel(this, "Label8", tr("Comment (optional): (60 chars max)"));
    Label8->setWordWrap(true);
    Text6 = MakeBox(this, "Text6");

    Label13 = MakeLabel(this, "Label13",
                        tr("Note:  This form is designed to input a mortgage scenario to be "
                           "printed or studied.  It is not intended to accomodate frequent changes "
                           "or to be used for What-If studies.  There are specific forms for "
                           "those functions."),
                        Qt::AlignLeft | Qt::AlignTop);
    Label13->setWordWrap(true);

    // The frame is only drawn: clicks inside it reach the form, as on the bare background.
    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setFrameShape(QFrame::Box);
    Shape2->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The caption sits on the frame's top line and hides it behind its text.
    Label12 =
        MakeLabel(this, "Label12", tr("  Calculated values:  "), Qt::AlignLeft | Qt::AlignVCenter);
    Label12->setAutoFillBackground(true);
    Label9 = MakeLabel(this, "Label9", tr("Interest Rate Factor:"));
    Text7 = MakeDisplayBox(this, "Text7");
    Label10 = MakeLabel(this, "Label10", tr("Calculated Payment:"));
    Text8 = MakeDisplayBox(this, "Text8");

    Command3 = new QPushButton(tr("Flash Load"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command1 = new QPushButton(tr("Quit"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    // A screen reader names each box after its caption.
    const std::pair<QWidget*, QLabel*> captioned[] = {
        {Text1, Label1},  {Text2, Label2}, {Text3, Label3}, {Text4, Label4}, {Text5, Label5},
        {Combo1, Label6}, {Text6, Label8}, {Text7, Label9}, {Text8, Label10}};
    for (const auto& [box, caption] : captioned)
        NameAfterCaption(box, caption->text());

    for (QWidget* hidden : std::initializer_list<QWidget*>{Label13, Label12, Shape2, Label9, Text7,
                                                           Label10, Text8, Label11, Command3})
        hidden->hide();

    // Tab order as the form reads: the six fields of the loan, the comment, then the buttons. A
    // comment typed after Tab from the frequency must never reach the table button.
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Combo1);
    setTabOrder(Combo1, Text6);
    setTabOrder(Text6, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command1);
}

void InputForm::PlaceControls() {
    // Positions in twips. The boxes, buttons and the captions of the form stand where they
    // always stood; the labels beside the boxes end just left of their box.
    PlaceTwips(Label7, 360, 96, 2436, 276);
    PlaceTwips(Label1, 120, 504, 1788, 288);
    PlaceTwips(Text1, 1968, 504, 1020, 288);
    PlaceTwips(Label2, 120, 864, 1920, 288);
    PlaceTwips(Text2, 2100, 864, 852, 288);
    PlaceTwips(Label3, 120, 1200, 1932, 288);
    PlaceTwips(Text3, 2112, 1200, 852, 288);
    PlaceTwips(Label4, 3120, 528, 2340, 288);
    PlaceTwips(Text4, 5520, 528, 852, 288);
    PlaceTwips(Label5, 3120, 840, 2340, 288);
    PlaceTwips(Text5, 5520, 840, 1212, 288);
    PlaceTwips(Label6, 3120, 1224, 2340, 288);
    PlaceTwips(Combo1, 5520, 1224, 1908, 288);
    PlaceTwips(Command2, 300, 1584, 1836, 492);
    PlaceTwips(Label11, 2400, 1776, 5076, 252);
    PlaceTwips(Label8, 96, 2136, 1764, 576);
    PlaceTwips(Text6, 1920, 2280, 5652, 288);
    PlaceTwips(Label13, 96, 2784, 7548, 636);
    PlaceTwips(Shape2, 240, 3012, 3960, 888);
    PlaceTwips(Label12, 384, 2880, 1788, 252);
    PlaceTwips(Label9, 300, 3150, 1980, 288);
    PlaceTwips(Text7, 2340, 3150, 1596, 288);
    PlaceTwips(Label10, 300, 3510, 1980, 288);
    PlaceTwips(Text8, 2340, 3510, 1092, 288);
    PlaceTwips(Command3, 5808, 3504, 660, 372);
    PlaceTwips(Command1, 6624, 3504, 936, 360);
    // "Flash Load" is wider than its narrow button: the button grows to the left, where the form
    // is bare, and keeps its right edge by the Quit button.
    const QRect flash = Command3->geometry();
    if (Command3->sizeHint().width() > flash.width())
        Command3->setGeometry(flash.right() + 1 - Command3->sizeHint().width(), flash.top(),
                              Command3->sizeHint().width(), flash.height());
    Label12->raise();
}

void InputForm::ShowForDebugLevel() {
    const int level = session_.debugLevel;
    PlaceInTwips(50, 50, 7764, level >= 1 ? 4400 : 4300);
    if (level >= 1) {
        for (QWidget* shown : {static_cast<QWidget*>(Label12), static_cast<QWidget*>(Label9),
                               static_cast<QWidget*>(Label10), static_cast<QWidget*>(Shape2),
                               static_cast<QWidget*>(Text7), static_cast<QWidget*>(Text8)})
            shown->show();
        if (level >= 2)
            Command3->show();
    } else {
        Label13->show();
        Label10->show();
        Text8->show();
    }
}

void InputForm::ConnectEvents() {
    const auto markChanged = [this] { MarkChanged(); };
    events_.NumericOnly(Text1, markChanged);
    events_.NumericOnly(Text2, markChanged);
    events_.NumericOnly(Text3, markChanged);
    // The length of loan's guard marks the study changed as the box is edited.
    events_.NumericOnly(Text4);
    events_.EnterMovesOn(Text5);
    events_.EnterMovesOn(Text6);
    events_.OnTyped(Text6, [this](const QKeyEvent& key) { return Text6KeyPress(key); });
    events_.OnPaste(
        Text6,
        [](const QString& inserted, qsizetype length) {
            return length <= kLongestComment && !inserted.contains(QLatin1Char('"'));
        },
        [this](const QString& inserted) { Text6PasteRefused(inserted); });

    events_.OnLostFocus(Text1, [this] { Text1LostFocus(); });
    events_.OnLostFocus(Text2, [this] { Text2LostFocus(); });
    events_.OnLostFocus(Text3, [this] { Text3LostFocus(); });
    events_.OnLostFocus(Text4, [this] { Text4LostFocus(); });
    events_.OnLostFocus(Text5, [this] { Text5LostFocus(); });
    events_.OnLostFocus(Text6, [this] { Text6LostFocus(); });
    events_.OnLostFocus(Combo1, [this] { Combo1LostFocus(); });
    // The fields of the time frame ask before they change, not as the focus passes: a keyboard
    // user reaches the comment without erasing the payment changes.
    const auto hasChanges = [this] { return session_.changes.Count() > 0; };
    events_.GuardEdits(Text4, hasChanges, [this] { return TimeFrameEditing(); });
    events_.GuardEdits(Text5, hasChanges, [this] { return TimeFrameEditing(); });
    Combo1->BeforeChange([this] { return TimeFrameEditing(); });
    events_.OnGotFocus(Text7, [this] { RefuseFocus(); });
    events_.OnGotFocus(Text8, [this] { RefuseFocus(); });

    connect(Combo1, &QComboBox::activated, this, &InputForm::Combo1Click);
    connect(Command1, &QPushButton::clicked, this, &InputForm::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &InputForm::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &InputForm::Command3Click);
}

void InputForm::LoadFromRecord() {
    const Scenario& s = session_.scenario;
    Show(Text1, s.amount > 0 ? FormatNumber(s.amount, "######0.00") : "");
    Show(Text2, s.rate > 0 ? FormatNumber(s.rate, "#0.000") : "");
    Show(Text3, s.amortization > 0 ? FormatNumber(s.amortization, "#####0.00") : "");
    Show(Text4, s.term > 0 ? FormatNumber(s.term, "#####0.00") : "");
    Show(Text5, s.start > 0 ? FormatDate(s.start, "mmm d, yyyy") : "");
    Show(Text6, s.comment);
    Combo1->setCurrentIndex(IsFrequency(s.frequency) ? s.frequency - kMonthly : -1);
    ShowCalculatedValues();
}

void InputForm::Recalculate() {
    if (recalculating_ || closing_)
        return;
    recalculating_ = true;
    // The host closes the result windows only while this form is the active child; the windows
    // that list the study follow it whichever child is active.
    host_.ResetResultWindowsIfChanged();

    Scenario& s = session_.scenario;
    if (const std::optional<DayNumber> moved = TwiceAMonthStart(s.start, s.frequency)) {
        services_.Beep();
        services_.Tell(RuleText(kInputViolationTitle), TwiceAMonthText());
        s.start = *moved;
        Show(Text5, FormatDate(s.start, "mmm d, yyyy"));
        Text5->setFocus(Qt::OtherFocusReason);
    }
    ShowCalculatedValues();
    recalculating_ = false;
}

void InputForm::ShowCalculatedValues() {
    const Scenario& s = session_.scenario;
    Command2->setEnabled(CanEnterChanges(s));
    Show(Text7, RateFactorText(s));
    Show(Text8, PaymentText(s));
    Label11->setVisible(session_.changes.Count() > 0);
}

// ---- the boxes -------------------------------------------------------------------------------

Single& InputForm::FieldOf(NumericField field) {
    Scenario& s = session_.scenario;
    switch (field) {
    case NumericField::Amount:
        return s.amount;
    case NumericField::Rate:
        return s.rate;
    case NumericField::Amortization:
        return s.amortization;
    case NumericField::Term:
        break;
    }
    return s.term;
}

void InputForm::CheckNumericBox(NumericField field, QLineEdit* box) {
    const NumericReading reading = ReadNumericField(field, box->text().toStdString());
    Single& value = FieldOf(field);
    // A refused value is held while the question is open, as the figures shown are
    // recalculated with it; the user's answer decides what stays.
    value = reading.value;
    if (reading.outcome == Reading::Valid) {
        Show(box, reading.text);
        if (field == NumericField::Term && TermExceedsAmortization(session_.scenario)) {
            services_.Beep();
            services_.Tell(RuleText(kInputViolationTitle), RuleText(kTermAboveAmortizationText));
            box->setFocus(Qt::OtherFocusReason);
        }
    } else if (reading.outcome == Reading::Invalid) {
        services_.Beep();
        if (services_.Ask(RuleText(kInputErrorTitle), reading.message, MessageButtons::YesNo) ==
            MessageAnswer::Yes) {
            events_.ReturnFocus(box);
            // A length of loan being corrected is not worked with until it is valid.
            if (field == NumericField::Term)
                return;
        } else {
            // The user chose to clear the field: the record follows the empty box, so that no
            // refused value lingers where the schedule and the tools would read it.
            box->clear();
            value = 0;
        }
    }
    Recalculate();
}

void InputForm::AddPendingEdits(Scenario& scenario, PaymentChanges& /*changes*/) const {
    const QObject* entered = events_.Entered();
    const std::pair<QLineEdit*, NumericField> numeric[] = {{Text1, NumericField::Amount},
                                                           {Text2, NumericField::Rate},
                                                           {Text3, NumericField::Amortization},
                                                           {Text4, NumericField::Term}};
    for (const auto& [box, field] : numeric)
        if (entered == box) {
            const NumericReading reading = ReadNumericField(field, box->text().toStdString());
            if (reading.outcome == Reading::Valid) {
                Single& value = field == NumericField::Amount         ? scenario.amount
                                : field == NumericField::Rate         ? scenario.rate
                                : field == NumericField::Amortization ? scenario.amortization
                                                                      : scenario.term;
                value = reading.value;
            }
        }
    if (entered == Text5) {
        const DateReading reading = ReadStartDate(Text5->text().toStdString());
        if (reading.outcome == Reading::Valid)
            scenario.start = reading.day;
    }
    if (entered == Text6 && Text6->text().size() <= kCommentLimit)
        scenario.comment = Text6->text().toStdString();
}

void InputForm::Text1LostFocus() { CheckNumericBox(NumericField::Amount, Text1); }
void InputForm::Text2LostFocus() { CheckNumericBox(NumericField::Rate, Text2); }
void InputForm::Text3LostFocus() { CheckNumericBox(NumericField::Amortization, Text3); }
void InputForm::Text4LostFocus() { CheckNumericBox(NumericField::Term, Text4); }

void InputForm::Text5LostFocus() {
    const DateReading reading = ReadStartDate(Text5->text().toStdString());
    Scenario& s = session_.scenario;
    if (reading.outcome == Reading::Valid) {
        s.start = reading.day;
        Show(Text5, reading.text);
    } else if (reading.outcome == Reading::Empty) {
        s.start = 0;
    } else {
        services_.Beep();
        if (services_.Ask(RuleText(kInputErrorTitle), reading.message, MessageButtons::YesNo) ==
            MessageAnswer::Yes) {
            events_.ReturnFocus(Text5);
        } else {
            // Cleared by the user's choice: the old date must not stay behind an empty box.
            Text5->clear();
            s.start = 0;
        }
    }
    Recalculate();
}

void InputForm::Text6LostFocus() {
    // Kept as typed: the box takes at most the 61 characters a study holds.
    session_.scenario.comment = Text6->text().toStdString();
    Recalculate();
}

void InputForm::Text6PasteRefused(const QString& inserted) {
    services_.Beep();
    if (inserted.contains(QLatin1Char('"')))
        services_.Tell(RuleText(kInputViolationTitle), tr(kCommentQuote).toStdString());
}

bool InputForm::TimeFrameEditing() {
    MarkChanged();
    if (session_.changes.Count() == 0)
        return true;
    if (services_.Ask(RuleText(kConfirmDeletionTitle), ConfirmDeletionText(),
                      MessageButtons::YesNoCancel) == MessageAnswer::Yes) {
        session_.ClearChanges();
        Recalculate();
        return true;
    }
    // Nothing was changed: the user stays where they are, with the old value and the table.
    return false;
}

void InputForm::RefuseFocus() {
    services_.Beep();
    events_.ReturnFocus(Text1);
}

void InputForm::ApplyFrequencyCaption() {
    // By its place in the list: the caption is in the user's language.
    if (const std::optional<Frequency> code = FrequencyFromCode(Combo1->currentIndex() + kMonthly))
        session_.scenario.frequency = *code;
}

void InputForm::Combo1Click() {
    ApplyFrequencyCaption();
    Recalculate();
}

void InputForm::Combo1LostFocus() {
    MarkChanged();
    ApplyFrequencyCaption();
    Recalculate();
}

// ---- the buttons and the form ----------------------------------------------------------------

void InputForm::Command1Click() { host_.EndProgram(); }

void InputForm::Command2Click() {
    MarkChanged();
    if (auto* table = qobject_cast<PaymentChangesWindow*>(host_.ShowChild(WindowId::Form4)))
        table->Prepare();
}

void InputForm::Command3Click() {
    FlashLoad(session_.scenario, session_.changes);
    Recalculate();
    // Opened afresh, the form shows the sample from the record. Nothing of this window may be
    // touched once the host has closed it.
    WindowHost& host = host_;
    host.CloseChild(WindowId::Form2);
    host.ShowChild(WindowId::Form2);
}

void InputForm::FormClick() {
    // The summary needs a whole scenario, as View > Summary checks: never a summary of zeros.
    if (!IsComplete(session_.scenario)) {
        services_.Beep();
        services_.Tell(tr("Mtge Error Trap").toStdString(),
                       tr("Error - Input data is incomplete").toStdString());
        return;
    }
    host_.ShowChild(WindowId::Form3);
}

void InputForm::mouseReleaseEvent(QMouseEvent* event) {
    // Clicks that a label passes on are the label's, not the background's.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        !childAt(event->position().toPoint()))
        FormClick();
    ChildWindow::mouseReleaseEvent(event);
}

bool InputForm::event(QEvent* event) {
    // Inside the main window, the main window recalculates when this form becomes the active
    // child; a form standing on its own does it when its window is activated.
    if (event->type() == QEvent::WindowActivate && isWindow())
        Recalculate();
    return ChildWindow::event(event);
}

void InputForm::Activated() { Recalculate(); }

void InputForm::Unloading() {
    // The scenario is the truth once the form is gone: a value typed and not yet checked (the
    // user went to another window from its box) is checked and stored now.
    events_.FinishPending();
    closing_ = true;
}

// ---- keys --------------------------------------------------------------------------------------

bool InputForm::Text6KeyPress(const QKeyEvent& key) {
    MarkChanged();
    // Checked before the key lands, so a 61st character still goes in.
    if (Text6->text().size() > kCommentLimit && key.key() != Qt::Key_Backspace) {
        services_.Beep();
        return true;
    }
    if (key.text() == QStringLiteral("\"")) {
        services_.Beep();
        services_.Tell(RuleText(kInputViolationTitle), tr(kCommentQuote).toStdString());
        return true;
    }
    return false; // Enter moves on
}

} // namespace hl
