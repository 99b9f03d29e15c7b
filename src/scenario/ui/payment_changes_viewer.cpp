// The parked-changes viewer: three column captions, the list and a Close button.
#include "scenario/ui/payment_changes_viewer.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

#include "core/text_items.h"
#include "platform/twips.h"
#include "scenario/payment_table.h"

namespace hl {

PaymentChangesViewer::PaymentChangesViewer(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form13, tr("View Payment Changes - Scenario One"), parent) {
    PlaceInTwips(200, 400, 5000, 3528);
    auto label = [this](const char* name, const QString& caption) {
        auto* lbl = new QLabel(caption, this);
        lbl->setObjectName(QString::fromLatin1(name));
        lbl->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        lbl->setWordWrap(true);
        return lbl;
    };
    Label1 = label("Label1", tr("Date"));
    Label2 = label("Label2", tr("Payment Change"));
    Label3 = label("Label3", tr("Lump Payment"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::NoSelection);

    Command1 = new QPushButton(tr("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &PaymentChangesViewer::Command1Click);

    LayOutControls();
    LoadParkedChanges();
}

void PaymentChangesViewer::LayOutControls() {
    // The captions stand over where the list's blanks put the date, the change and the lump of
    // a typical line, in the list's own font; they wrap onto two lines rather than overlap.
    const QFontMetrics fm = List1->fontMetrics();
    const int captionHeight = 2 * fontMetrics().lineSpacing() + 2;
    const int left = Twips(120);
    const int listTop = Twips(120) + captionHeight + 2;
    const int width = Twips(4700);
    const int buttonHeight = std::max(Twips(420), Command1->sizeHint().height());
    // From the window's own height: inside the main window the frame's caption and borders take
    // part of the 3528 twips asked for.
    const int buttonTop = height() - Twips(120) - buttonHeight;
    List1->setGeometry(left, listTop, width, buttonTop - Twips(120) - listTop);
    Command1->setGeometry(left + (width - Twips(1200)) / 2, buttonTop, Twips(1200), buttonHeight);

    const int text = left + List1->frameWidth() + 3;
    const int change =
        text + fm.horizontalAdvance(QStringLiteral("May 30 1992") + QString(15, ' '));
    const int lump = change + fm.horizontalAdvance(QStringLiteral("100.00") + QString(14, ' '));
    const int top = listTop - 2 - captionHeight;
    Label1->setGeometry(text, top, change - text - 4, captionHeight);
    Label2->setGeometry(change, top, lump - change - 4, captionHeight);
    Label3->setGeometry(lump, top, left + width - lump, captionHeight);
}

void PaymentChangesViewer::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    LayOutControls();
}

void PaymentChangesViewer::List(const std::vector<PaymentChange>& entries) {
    List1->clear();
    for (const PaymentChange& e : entries)
        List1->addItem(QString::fromStdString(ParkedLine(e)));
}

void PaymentChangesViewer::StudyChanged() {
    // The study's table is scenario one's: the compare window keeps scenario two's apart.
    List(session_.changes.entries);
}

void PaymentChangesViewer::LoadParkedChanges() {
    try {
        List(ReadParkedChanges(session_.folder));
    } catch (const ItemFormatError&) {
        // Nothing parked (or a damaged copy): the list stays empty, as the other file reads
        // of the windows fail quietly.
        List1->clear();
    }
}

void PaymentChangesViewer::Command1Click() { Unload(); }

} // namespace hl
