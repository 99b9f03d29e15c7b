// Selected grid cells as clipboard text.
#include "windowkit/selection_text.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <algorithm>

namespace hl {

std::string SelectedCellsText(const QAbstractItemView& grid) {
    const QAbstractItemModel* model = grid.model();
    if (!model)
        return {};
    int top = -1, left = -1, bottom = -1, right = -1;
    if (const QItemSelectionModel* selection = grid.selectionModel()) {
        for (const QItemSelectionRange& range : selection->selection()) {
            if (range.isEmpty())
                continue;
            top = top < 0 ? range.top() : std::min(top, range.top());
            left = left < 0 ? range.left() : std::min(left, range.left());
            bottom = std::max(bottom, range.bottom());
            right = std::max(right, range.right());
        }
    }
    if (top < 0) {
        const QModelIndex current = grid.currentIndex();
        if (!current.isValid())
            return {};
        top = bottom = current.row();
        left = right = current.column();
    }
    std::string text;
    for (int row = top; row <= bottom; ++row) {
        if (row > top)
            text += "\r\n";
        for (int column = left; column <= right; ++column) {
            if (column > left)
                text += '\t';
            text += model->data(model->index(row, column)).toString().toStdString();
        }
    }
    return text;
}

} // namespace hl
