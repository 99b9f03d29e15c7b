// Dropping a study file on the main window.
#include "app/study_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace hl {

std::optional<std::string> DroppedStudy(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return std::nullopt;
    const QUrl url = data->urls().first();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(".mtg", Qt::CaseInsensitive))
        return std::nullopt;
    return url.toLocalFile().toStdString();
}

StudyDrop::StudyDrop(QWidget* window, std::function<void(const std::string&)> open)
    : QObject(window), open_(std::move(open)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool StudyDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (DroppedStudy(drag->mimeData())) {
            drag->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (const std::optional<std::string> path = DroppedStudy(drop->mimeData())) {
            drop->acceptProposedAction();
            // Opened once the drop is over: the questions Open may ask must not run inside the
            // drag's own event.
            QTimer::singleShot(0, this, [this, p = *path] { open_(p); });
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace hl
