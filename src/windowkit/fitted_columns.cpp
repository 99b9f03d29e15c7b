// Column widths shared out over a grid's viewport.
#include "windowkit/fitted_columns.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QString>
#include <QTimer>
#include <algorithm>
#include <numeric>

namespace hl {
namespace {

// Room beside a cell's text: the item view's own margins with a little air.
constexpr int kCellMargins = 10;

} // namespace

std::vector<int> FittedWidths(const std::vector<int>& needs, const std::vector<int>& weights,
                              int available) {
    std::vector<int> widths = needs;
    const long long needed = std::accumulate(needs.begin(), needs.end(), 0LL);
    const long long weight = std::accumulate(weights.begin(), weights.end(), 0LL);
    if (widths.empty() || needed >= available || weight <= 0)
        return widths;
    const long long spare = available - needed;
    long long given = 0;
    for (std::size_t c = 0; c + 1 < widths.size(); ++c) {
        const long long share = spare * weights[c] / weight;
        widths[c] += static_cast<int>(share);
        given += share;
    }
    widths.back() += static_cast<int>(spare - given);
    return widths;
}

int ColumnNeed(const QFontMetrics& metrics, const std::vector<QString>& texts) {
    int widest = 0;
    for (const QString& text : texts)
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest + kCellMargins;
}

FittedColumns::FittedColumns(QAbstractItemView* grid, QHeaderView* header, std::vector<int> needs,
                             std::vector<int> weights, QWidget* window)
    : QObject(grid), grid_(grid), viewport_(grid->viewport()), header_(header),
      needs_(std::move(needs)), weights_(std::move(weights)), window_(window) {
    viewport_->installEventFilter(this);
    if (window_)
        window_->installEventFilter(this);
    Fit();
}

void FittedColumns::SetNeeds(std::vector<int> needs) {
    needs_ = std::move(needs);
    Fit();
}

bool FittedColumns::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && event->type() == QEvent::Resize)
        Fit();
    // Once shown and laid out, the window knows how wide its grid is.
    if (window_ && watched == window_ && event->type() == QEvent::Show)
        QTimer::singleShot(0, this, &FittedColumns::GrowOnce);
    return QObject::eventFilter(watched, event);
}

void FittedColumns::GrowOnce() {
    // Figures of a very large loan can need more than the opening width: the window, with its
    // frame inside the main window, is widened once by what is missing.
    if (!window_)
        return;
    window_->removeEventFilter(this);
    const int needed = std::accumulate(needs_.begin(), needs_.end(), 0);
    const int missing = needed - viewport_->width();
    QWidget* frame = window_;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window_->parentWidget()))
        frame = sub;
    window_ = nullptr;
    if (missing > 0)
        frame->resize(frame->width() + missing, frame->height());
}

void FittedColumns::Fit() {
    const std::vector<int> widths = FittedWidths(needs_, weights_, viewport_->width());
    for (std::size_t c = 0; c < widths.size(); ++c)
        header_->resizeSection(static_cast<int>(c), widths[c]);
}

} // namespace hl
