// The payment-changes window: grid, in-place edit box, summary list and its buttons.
#include "scenario/ui/payment_changes_window.h"

#include "scenario/ui/input_form.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <utility>

#include "core/day_number.h"
#include "core/format.h"
#include "core/translate.h"
#include "platform/twips.h"
#include "print/reports.h"
#include "scenario/ui/input_form.h"
#include "windowkit/accessible_names.h"
#include "windowkit/waiting_keys.h"

namespace hl {
namespace {

// The messages of the window, shown through tr().
constexpr const char* kDeleteQuestion = QT_TRANSLATE_NOOP(
    "hl::PaymentChangesWindow",
    "All payment changes and lump payments will be erased.  Do you want to do this ?");
constexpr const char* kDeleteTitle =
    QT_TRANSLATE_NOOP("hl::PaymentChangesWindow", "Warning - Confirm Data Deletion");
constexpr const char* kHintTitle =
    QT_TRANSLATE_NOOP("hl::PaymentChangesWindow", "Payment Changes Hint Box");
constexpr const char* kHintText =
    QT_TRANSLATE_NOOP("hl::PaymentChangesWindow",
                      "This form presents a table of all your scheduled payments.  You can\r"
                      "enter changes to your payment and/or lump payments here.\r\r"
                      "IMPORTANT !!\r\r"
                      "To match most banks, any change to a payment is applied BEFORE the regular\r"
                      "payment is processed where any lump payment is deducted AFTER the regular\r"
                      "payment is processed.");
constexpr const char* kViolationTitle =
    QT_TRANSLATE_NOOP("hl::PaymentChangesWindow", "Mortgage Input Violation");

bool IsEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

std::string RefusalText(int number, DayNumber date) {
    return QCoreApplication::translate(
               "hl::PaymentChangesWindow",
               "Error, the table of payment changes is full: it holds no more than %1 payments "
               "with a change or a lump payment.\rThe value entered for payment %2 (%3) has been "
               "cleared.\r\rClear the values of another payment first to make room for this one.")
        .arg(QString::number(PaymentChanges::kMaxEntries), QString::number(number),
             QString::fromStdString(FormatDate(date, "mmm d yyyy")))
        .toStdString();
}

} // namespace

PaymentGridModel::PaymentGridModel(PaymentGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {}

int PaymentGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.Rows();
}

int PaymentGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPaymentColumns;
}

QVariant PaymentGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(grid_.Cell(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole) {
        const bool amount = index.column() == kChangeColumn || index.column() == kLumpColumn;
        return QVariant::fromValue(Qt::AlignVCenter | (amount ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant PaymentGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kPaymentColumns)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(
            TrText("Payment Changes Grid", kPaymentCaptions[static_cast<std::size_t>(section)]));
    // The header paints with these flags as given, so a long caption wraps onto a second line.
    if (role == Qt::TextAlignmentRole)
        return int{Qt::AlignCenter | Qt::TextWordWrap};
    return {};
}

void PaymentGridModel::ColumnsChanged(int firstColumn, int lastColumn) {
    if (grid_.Rows() == 0)
        return;
    emit dataChanged(index(0, firstColumn), index(grid_.Rows() - 1, lastColumn));
}

PaymentChangesWindow::PaymentChangesWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form4, tr("Enter Changes to Payment and/or Lump Payments"),
                  parent) {
    PlaceInTwips(50, 50, 9200, 5400);

    auto label = [this](const char* name, const QString& caption) {
        auto* lbl = new QLabel(caption, this);
        lbl->setObjectName(QString::fromLatin1(name));
        return lbl;
    };
    auto button = [this](const char* name, const QString& caption) {
        auto* btn = new QPushButton(caption, this);
        btn->setObjectName(QString::fromLatin1(name));
        return btn;
    };

    Label5 = label("Label5", tr("Changes to Payment AND Lump Payments"));
    QFont titleFont = Label5->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    Label5->setFont(titleFont);
    Label3 = label("Label3", tr("Enter changes in this table:"));

    Grid1 = new QTableView(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    model_ = new PaymentGridModel(grid_, this);
    Grid1->setModel(model_);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers); // Text1 is the editor
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid1->setWordWrap(false);
    Grid1->setCornerButtonEnabled(false);
    Grid1->verticalHeader()->hide();
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->verticalHeader()->setMinimumSectionSize(1);
    QHeaderView* header = Grid1->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setTextElideMode(Qt::ElideNone);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    events_.OnTyped(Grid1, [this](const QKeyEvent& key) {
        Grid1KeyPress(key);
        return true;
    });
    connect(Grid1, &QTableView::doubleClicked, this, &PaymentChangesWindow::Grid1DblClick);
    // Scrolling away from the cell being edited ends the edit, as a click on the grid would.
    auto endEditOnScroll = [this] {
        if (!editing_)
            return;
        Text1LostFocus();
        Grid1->setFocus();
    };
    connect(Grid1->verticalScrollBar(), &QScrollBar::valueChanged, this, endEditOnScroll);
    connect(Grid1->horizontalScrollBar(), &QScrollBar::valueChanged, this, endEditOnScroll);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    // The cell editor is named after the column of the cell it edits (StartEdit).
    NameAfterCaption(
        Text1, model_->headerData(kPayDateColumn, Qt::Horizontal, Qt::DisplayRole).toString());
    Text1->setFrame(false);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->hide();
    events_.NumericOnly(Text1);
    for (const int enter : {Qt::Key_Return, Qt::Key_Enter})
        events_.OnKey(Text1, enter, [this] { Text1Enter(); });
    // A menu or another window taking the focus leaves the edit open, as it leaves the box.
    events_.OnLostFocus(Text1, [this] { Text1LostFocus(); });

    Label2 = label("Label2", tr("Press [RETURN] to end this edit"));
    QPalette red = Label2->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label2->setPalette(red);
    Label1 = label("Label1", tr("To Edit:  Select cell with mouse and enter numbers  OR"));
    Label6 = label("Label6", tr("                Use mouse and double click a cell"));
    Label4 =
        label("Label4", tr("Summary of changes in the Table at left (for reference, read-only)"));
    Label4->setWordWrap(true);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::NoSelection);
    List1->setFocusPolicy(Qt::NoFocus);

    Command2 = button("Command2", tr("Delete All Data"));
    Command3 = button("Command3", tr("Info - read me"));
    Command1 = button("Command1", tr("Close"));
    connect(Command1, &QPushButton::clicked, this, &PaymentChangesWindow::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &PaymentChangesWindow::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &PaymentChangesWindow::Command3Click);

    setTabOrder(Grid1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command1);

    LayOutControls();
}

void PaymentChangesWindow::LayOutControls() {
    // The grid stands where it was designed (60, 720, 3684 x 3132 twips), with the number column
    // as designed and the other three widened by 370 twips. Where the screen's font needs more
    // room for a date, an amount or a caption word, the columns grow and the grid with them, and
    // the summary side moves right: nothing is cut off.
    const QFontMetrics cells = Grid1->fontMetrics();
    const QFontMetrics captions = Grid1->horizontalHeader()->fontMetrics();
    const int padding = 2 * cells.horizontalAdvance(QLatin1Char(' ')) + 8;
    auto fit = [&](int designTwips, const QStringList& cellTexts, const QStringList& words) {
        int width = Twips(designTwips);
        for (const QString& t : cellTexts)
            width = std::max(width, cells.horizontalAdvance(t) + padding);
        for (const QString& t : words)
            width = std::max(width, captions.horizontalAdvance(t) + padding);
        return width;
    };
    QStringList dates;
    for (int month = 1; month <= 12; ++month)
        dates << QString::fromStdString(
            PaymentDateText(DayFromCivil(2000, month, 30 - (month == 2))));
    // A caption wraps between its words: each word of it fits the column, and the English
    // captions keep the pairs of words they were drawn with on one line.
    auto words = [this](int column, QStringList lines) {
        const QString caption =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        return lines << caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };
    columnWidths_ = {fit(585, {QStringLiteral("0000")}, words(kPayNumberColumn, {})),
                     fit(575 + 370, dates, words(kPayDateColumn, {QStringLiteral("Date of")})),
                     fit(575 + 370, {QStringLiteral("99999.00")},
                         words(kChangeColumn, {QStringLiteral("Change to")})),
                     fit(575 + 370, {QStringLiteral("99999.00")}, words(kLumpColumn, {}))};
    ApplyColumnWidths();

    Grid1->verticalHeader()->setDefaultSectionSize(std::max(Twips(240), cells.height() + 4));
    // Room for two lines of caption ("Change to" over "Payment").
    Grid1->horizontalHeader()->setFixedHeight(std::max(Twips(475), 2 * captions.lineSpacing() + 8));

    const int scrollBar = Grid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Grid1);
    int columns = 0;
    for (int w : columnWidths_)
        columns += w;
    const int gridWidth = std::max(Twips(3684), columns + scrollBar + 2 * Grid1->frameWidth());
    const int left = Twips(60);
    Grid1->setGeometry(left, Twips(720), gridWidth, Twips(3132));

    const int line = fontMetrics().lineSpacing() + 2;
    Label5->setGeometry(left, Twips(60), Twips(8900),
                        QFontMetrics(Label5->font()).lineSpacing() + 4);
    Label3->setGeometry(left, Twips(720) - line - 2, gridWidth, line);
    int y = Grid1->geometry().bottom() + 1 + Twips(60);
    // As wide as the grid and the summary side together: the window's frame takes its borders
    // out of the 9200 twips.
    for (QLabel* lbl : {Label2, Label1, Label6}) {
        lbl->setGeometry(left, y, Twips(9200 - 140) - left, line);
        y += line + (lbl == Label2 ? Twips(60) : 0);
    }

    // The summary side: from beside the grid to the window's right margin.
    const int side = Grid1->geometry().right() + 1 + Twips(216);
    const int sideWidth = std::max(Twips(9200 - 140) - side, Twips(2400));
    const int labelTop = Twips(720) - line - 2;
    Label4->setGeometry(side, labelTop, sideWidth,
                        std::max(line, Label4->heightForWidth(sideWidth)));
    const int listTop = std::max(Twips(720), Label4->geometry().bottom() + 3);
    const int buttonHeight = std::max(Twips(450), Command1->sizeHint().height());
    const int buttonTop = Twips(3852) - buttonHeight;
    List1->setGeometry(side, listTop, sideWidth, buttonTop - Twips(200) - listTop);
    // The three buttons share the width beside the list, each at least as wide as its caption:
    // longer captions (another language) narrow the gaps between them first.
    const QList<QPushButton*> buttons{Command2, Command3, Command1};
    int natural = 0;
    for (QPushButton* btn : buttons)
        natural += btn->sizeHint().width();
    const int gap = std::clamp((sideWidth - natural) / 2, Twips(45), Twips(120));
    const int spare = (sideWidth - 2 * gap - natural) / 3;
    int x = side;
    for (QPushButton* btn : buttons) {
        const int w = btn == Command1 ? side + sideWidth - x : btn->sizeHint().width() + spare;
        btn->setGeometry(x, buttonTop, w, buttonHeight);
        x += w + gap;
    }
}

void PaymentChangesWindow::ApplyColumnWidths() {
    for (int c = 0; c < kPaymentColumns; ++c)
        Grid1->setColumnWidth(c, columnWidths_[static_cast<std::size_t>(c)]);
}

void PaymentChangesWindow::Prepare() {
    Retarget(std::nullopt, nullptr);
    Fill();
    DropKeysTypedWhileOpening();
}

void PaymentChangesWindow::Prepare(const PaymentCalendar& calendar,
                                   std::shared_ptr<PaymentChanges> table) {
    Retarget(calendar, std::move(table));
    Fill();
    DropKeysTypedWhileOpening();
}

void PaymentChangesWindow::showEvent(QShowEvent* event) {
    opening_ = true;
    ChildWindow::showEvent(event);
}

void PaymentChangesWindow::DropKeysTypedWhileOpening() {
    // Typed before the grid was shown (the rest of a comment after a blank pressed the button),
    // keys are never changes to payment. A window already open takes them as ever.
    if (std::exchange(opening_, false))
        DropKeysUntilShown(this);
}

void PaymentChangesWindow::Retarget(std::optional<PaymentCalendar> calendar,
                                    std::shared_ptr<PaymentChanges> table) {
    if (prepared_ && table.get() != ownTable_.get()) {
        // What was typed for the other table stays with it.
        Text1LostFocus();
        StoreGrid(true);
    }
    ownTable_ = std::move(table);
    ownCalendar_ = ownTable_ ? calendar : std::nullopt;
}

PaymentChanges& PaymentChangesWindow::Table() const {
    return ownTable_ ? *ownTable_ : session_.changes;
}

PaymentCalendar PaymentChangesWindow::Calendar() const {
    if (ownCalendar_)
        return *ownCalendar_;
    const Scenario& s = session_.scenario;
    return PaymentCalendar{s.term, s.frequency, s.start};
}

void PaymentChangesWindow::Fill() {
    BusyPointer busy(services_);
    editing_ = false;
    Text1->hide();

    FillSummary();

    const PaymentCalendar calendar = Calendar();
    model_->BeginRebuild();
    grid_.Prepare(calendar.term, calendar.frequency, calendar.start, Table());
    model_->EndRebuild();
    ApplyColumnWidths(); // a model reset gives the header fresh sections of the default width
    if (grid_.PaymentRows() > 0)
        Grid1->setCurrentIndex(model_->index(0, kChangeColumn));
    Grid1->scrollToTop();

    prepared_ = true;
    preparedCalendar_ = calendar;
}

void PaymentChangesWindow::FillSummary() {
    List1->clear();
    for (const std::string& line : SummaryLines(Table()))
        List1->addItem(QString::fromStdString(line));
}

void PaymentChangesWindow::Grid1DblClick() { StartEdit(); }

void PaymentChangesWindow::Grid1KeyPress(const QKeyEvent& key) {
    StartEdit();
    if (!editing_ || IsEnter(key))
        return;
    // Typing on a cell replaces what it holds, as in a spreadsheet: appended to "0.00", a typed
    // "5" would read as 0.005.
    Text1->selectAll();
    QKeyEvent typed(QEvent::KeyPress, key.key(), key.modifiers(), key.text());
    QCoreApplication::sendEvent(Text1, &typed); // through the numeric filter, as if typed there
}

void PaymentChangesWindow::StartEdit() {
    if (editing_)
        Text1LostFocus();
    const QModelIndex current = Grid1->currentIndex();
    // The trailing row belongs to no payment: nothing typed there could ever be stored.
    if (!current.isValid() || current.row() >= grid_.PaymentRows())
        return;
    editRow_ = current.row();
    editColumn_ = current.column();
    Grid1->scrollTo(current);
    PlaceEditBox();
    Text1->setText(QString::fromStdString(grid_.Cell(editRow_, editColumn_)));
    NameAfterCaption(Text1,
                     model_->headerData(editColumn_, Qt::Horizontal, Qt::DisplayRole).toString());
    Text1->setAlignment(Qt::Alignment(current.data(Qt::TextAlignmentRole).toInt()));
    editing_ = true;
    Text1->show();
    Text1->raise();
    Text1->setFocus(Qt::OtherFocusReason);
}

void PaymentChangesWindow::PlaceEditBox() {
    // visualRect is the cell inside its grid lines, in the viewport's coordinates.
    const QRect cell = Grid1->visualRect(model_->index(editRow_, editColumn_));
    Text1->setGeometry(QRect(Grid1->viewport()->mapTo(this, cell.topLeft()), cell.size()));
}

void PaymentChangesWindow::Text1LostFocus() {
    if (!editing_)
        return;
    editing_ = false;

    std::string text = EditedCellText(Text1->text().toStdString());
    const bool refused = grid_.WouldOverflow(editRow_, editColumn_, text);
    if (refused)
        text.clear();
    grid_.SetCell(editRow_, editColumn_, std::move(text));
    const QModelIndex cell = model_->index(editRow_, editColumn_);
    emit model_->dataChanged(cell, cell);
    Text1->hide();
    Label2->hide();

    if (StoreGrid(false))
        FillSummary();
    if (refused) {
        services_.Beep();
        services_.Tell(tr(kViolationTitle).toStdString(),
                       RefusalText(editRow_ + 1, grid_.Date(editRow_)));
    }
}

bool PaymentChangesWindow::StoreGrid(bool closing) {
    if (!prepared_)
        return false;
    if (Calendar() != preparedCalendar_) {
        // The rows carry the dates of a calendar the scenario no longer has; writing them would
        // bring back entries on dates that are no payment dates (or undo an erase). The table
        // stays as it is, and an open window shows the new calendar.
        if (!closing)
            Fill();
        return false;
    }
    PaymentChanges stored = grid_.Store();
    PaymentChanges& table = Table();
    if (stored.entries != table.entries) {
        table = std::move(stored);
        MarkChanged();
    }
    return true;
}

void PaymentChangesWindow::AddPendingEdits(Scenario& /*scenario*/, PaymentChanges& changes) const {
    if (!editing_ || !prepared_ || Calendar() != preparedCalendar_ || &Table() != &session_.changes)
        return;
    std::string text = EditedCellText(Text1->text().toStdString());
    if (grid_.WouldOverflow(editRow_, editColumn_, text))
        return;
    PaymentGrid pending = grid_;
    pending.SetCell(editRow_, editColumn_, std::move(text));
    changes = pending.Store();
}

PrintOut PaymentChangesWindow::PrintForm() const {
    // The grid's edits reach the table only when the window closes: print what is shown.
    const bool gridShown = prepared_ && Calendar() == preparedCalendar_;
    const PaymentChanges shown = gridShown ? grid_.Store() : Table();
    if (shown.Count() == 0)
        return PrintOut::Refused(TrText("Scenario Reports", kNoChangesTitle),
                                 TrText("Scenario Reports", kNoChangesText));
    return PrintOut::Printed(
        ChangesReport(session_.scenario, shown, 1, ChangePages(shown.Count())));
}

void PaymentChangesWindow::Command1Click() { Unload(); }

void PaymentChangesWindow::Command2Click() {
    const MessageAnswer answer =
        services_.Ask(tr(kDeleteTitle).toStdString(), tr(kDeleteQuestion).toStdString(),
                      MessageButtons::YesNoCancel);
    if (answer != MessageAnswer::Yes) {
        // Back to the front: the frame the main window gives this window, or the window itself.
        if (QWidget* frame = parentWidget())
            frame->raise();
        else
            activateWindow();
        return;
    }
    if (Table().Count() > 0)
        MarkChanged();
    Table().entries.clear();
    BusyPointer busy(services_);
    editing_ = false;
    Text1->hide();
    grid_.ClearAmounts();
    model_->ColumnsChanged(kChangeColumn, kLumpColumn);
    List1->clear();
}

void PaymentChangesWindow::StudyChanged() {
    if (!prepared_ || ownTable_ || editing_)
        return;
    if (Calendar() != preparedCalendar_ || grid_.Store().entries != Table().entries)
        Fill();
}

void PaymentChangesWindow::Command3Click() {
    services_.Tell(tr(kHintTitle).toStdString(), tr(kHintText).toStdString());
}

void PaymentChangesWindow::Unloading() {
    Text1LostFocus(); // a value still in the edit box is kept
    StoreGrid(true);
    if (ownTable_)
        return; // the study's scenario and table are as they were
    if (auto* form = qobject_cast<InputForm*>(host_.FindChild(WindowId::Form2)))
        form->Recalculate();
}

void PaymentChangesWindow::Text1Enter() {
    Grid1->setFocus(Qt::OtherFocusReason);
    // The grid taking the focus ends the edit; ending it here too covers a window that is not
    // active, where the focus does not move.
    Text1LostFocus();
}

} // namespace hl
