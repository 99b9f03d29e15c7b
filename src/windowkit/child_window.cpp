// Common behaviour of child windows.
#include "windowkit/child_window.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiSubWindow>

#include "platform/twips.h"
#include "windowkit/show_message.h"

namespace hl {

ChildWindow::ChildWindow(AppContext& context, WindowId id, const QString& caption, QWidget* parent)
    : QWidget(parent), context_(context), session_(context.session), services_(context.services),
      host_(context.host), events_(this, context.services), id_(id) {
    setObjectName(QString::fromLatin1(WindowName(id)));
    setWindowTitle(caption);
    setMouseTracking(true);
    setAttribute(Qt::WA_DeleteOnClose);
}

void ChildWindow::PlaceInTwips(int left, int top, int width, int height) {
    placeAsked_ = QRect(Twips(left), Twips(top), Twips(width), Twips(height));
    PlaceTwips(this, left, top, width, height);
}

void ChildWindow::Unload() {
    // Inside the main window the frame is a window of its own: closing only this widget would
    // leave an empty frame with its caption on the screen.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void ChildWindow::AnswerRefusal(QLineEdit* box, const calc::CalcMessage& message) {
    if (ShowCalcMessage(services_, message) == MessageAnswer::No)
        box->clear();
    else
        events_.ReturnFocus(box);
}

void ChildWindow::mouseMoveEvent(QMouseEvent* event) {
    host_.HideToolTip();
    QWidget::mouseMoveEvent(event);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    if (host_.IsActive(id_))
        SaveState();
    Unloading();
    events_.Stop();
    QWidget::closeEvent(event);
}

} // namespace hl
