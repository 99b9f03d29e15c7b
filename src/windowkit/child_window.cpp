// Common behaviour of child windows.
#include "windowkit/child_window.h"

#include <QCloseEvent>

#include "platform/twips.h"

namespace hl {

ChildWindow::ChildWindow(AppContext& context, const char* name, const QString& caption,
                         QWidget* parent)
    : QWidget(parent), context_(context), session_(context.session),
      services_(context.services), host_(context.host) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setMouseTracking(true);
    setAttribute(Qt::WA_DeleteOnClose);
}

void ChildWindow::PlaceInTwips(int left, int top, int width, int height) {
    PlaceTwips(this, left, top, width, height);
}

void ChildWindow::mouseMoveEvent(QMouseEvent* event) {
    host_.HideToolTip();
    QWidget::mouseMoveEvent(event);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    if (host_.ActiveChildName() == objectName().toStdString()) SaveState();
    Unloading();
    QWidget::closeEvent(event);
}

} // namespace hl
