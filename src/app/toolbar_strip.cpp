// Toolbar pictures and the tool tip.
#include "app/toolbar_strip.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>

#include "platform/twips.h"

namespace hl {

// Shown through QCoreApplication::translate("hl::ToolbarStrip", ...).
const std::array<const char*, 12> kToolTipTexts = {
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "Open an existing file"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "Save Study to file"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "Print the active form"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "Display Payment Schedule"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "Display Summary"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "What If ? / Compare Scenarios"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "Estimate Mortgage Required"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "Payment Shopper"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "Early Discharge"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "Refinace Solve For Study"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "Exit this program"),
    QT_TRANSLATE_NOOP("hl::ToolbarStrip", "$ Saving Suggestions")};

const std::array<int, 12> kImageLefts = {0,    480,  1020, 1680, 2160, 2880,
                                         3900, 4380, 4860, 5340, 8220, 6240};

namespace {

constexpr int kImageSize = 432;   // twips
constexpr int kStripHeight = 624; // twips

QIcon PictureIcon(int k, QStyle* style) {
    switch (k) {
    case 1:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case 2:
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    case 3:
        return QIcon::fromTheme("document-print", style->standardIcon(QStyle::SP_FileIcon));
    case 4:
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case 5:
        return style->standardIcon(QStyle::SP_FileDialogInfoView);
    case 6:
        return style->standardIcon(QStyle::SP_BrowserReload);
    case 7:
        return style->standardIcon(QStyle::SP_DriveHDIcon);
    case 8:
        return style->standardIcon(QStyle::SP_FileDialogContentsView);
    case 9:
        return style->standardIcon(QStyle::SP_MediaSkipForward);
    case 10:
        return style->standardIcon(QStyle::SP_ArrowForward);
    case 11:
        return style->standardIcon(QStyle::SP_DialogCloseButton);
    default:
        return style->standardIcon(QStyle::SP_DialogApplyButton);
    }
}

} // namespace

ToolbarStrip::ToolbarStrip(QWidget* parent) : QWidget(parent) {
    setObjectName("Picture2");
    setFixedHeight(Twips(kStripHeight));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(grey);
    setMouseTracking(true);

    for (int k = 1; k <= 12; ++k) {
        auto* image = new QLabel(this);
        image->setObjectName(QString("Image%1").arg(k));
        PlaceTwips(image, kImageLefts[static_cast<std::size_t>(k - 1)], 0, kImageSize, kImageSize);
        const int side = Twips(kImageSize);
        image->setPixmap(PictureIcon(k, QApplication::style()).pixmap(side - 4, side - 4));
        image->setAlignment(Qt::AlignCenter);
        image->setMouseTracking(true);
        image->installEventFilter(this);
        images_[static_cast<std::size_t>(k - 1)] = image;
    }

    txtToolTip = new QLineEdit(this);
    txtToolTip->setObjectName("txtToolTip");
    txtToolTip->setAccessibleName(tr("Toolbar tip"));
    txtToolTip->setReadOnly(true);
    txtToolTip->setFocusPolicy(Qt::NoFocus);
    txtToolTip->setFrame(false);
    txtToolTip->setStyleSheet("QLineEdit { background: #FFFF00; color: black; padding: 0px; }");
    PlaceTwips(txtToolTip, 0, 400, 2292, 192);
    txtToolTip->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &ToolbarStrip::TipTick);
}

void ToolbarStrip::OnImageClick(int k, std::function<void()> handler) {
    handlers_[static_cast<std::size_t>(k - 1)] = std::move(handler);
}

void ToolbarStrip::SetImageEnabled(int k, bool enabled) { Image(k)->setEnabled(enabled); }

void ToolbarStrip::ShowTip() {
    if (tipIndex_ < 1 || tipIndex_ > 12)
        return;
    const std::size_t i = static_cast<std::size_t>(tipIndex_ - 1);
    // The exit picture stands at the right edge: its tip starts 500 twips further left.
    const int left = kImageLefts[i] - (tipIndex_ == 11 ? 500 : 0);
    PlaceTwips(txtToolTip, left, 0 + 400, 2292, 192);
    const QString text = tr(kToolTipTexts[i]);
    txtToolTip->setText(text);
    // A text wider than the box would scroll and lose its first letters: the box grows to the
    // whole text, and moves left where it would run past the strip's right edge.
    const int wanted = txtToolTip->fontMetrics().horizontalAdvance(text) +
                       2 * txtToolTip->fontMetrics().averageCharWidth();
    if (wanted > txtToolTip->width()) {
        txtToolTip->resize(wanted, txtToolTip->height());
        const int overflow = txtToolTip->geometry().right() + 1 - width();
        if (overflow > 0)
            txtToolTip->move(std::max(0, txtToolTip->x() - overflow), txtToolTip->y());
    }
    txtToolTip->setCursorPosition(0);
    txtToolTip->show();
    txtToolTip->raise();
}

void ToolbarStrip::TipTick() {
    // A message box took over: the tip must not stand over it.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        HideTip();
    else
        ShowTip();
}

void ToolbarStrip::HideTip() {
    Timer1->stop();
    txtToolTip->hide();
}

bool ToolbarStrip::eventFilter(QObject* watched, QEvent* event) {
    for (int k = 1; k <= 12; ++k) {
        if (watched != Image(k))
            continue;
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            tipIndex_ = k;
            if (!Timer1->isActive())
                Timer1->start();
            // Consumed here: passed on to the strip, the move would hide the tip again.
            return event->type() == QEvent::MouseMove;
        }
        if (event->type() == QEvent::MouseButtonRelease && Image(k)->isEnabled()) {
            HideTip();
            if (auto& handler = handlers_[static_cast<std::size_t>(k - 1)])
                handler();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ToolbarStrip::leaveEvent(QEvent* event) {
    // The pointer left the strip (for a child window, the menus or another program).
    HideTip();
    QWidget::leaveEvent(event);
}

void ToolbarStrip::mouseMoveEvent(QMouseEvent* event) {
    HideTip();
    QWidget::mouseMoveEvent(event);
}

} // namespace hl
