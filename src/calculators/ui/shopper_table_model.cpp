// The payment shopper's result table.
#include "calculators/ui/shopper_table_model.h"

#include "core/translate.h"

namespace hl {

void ShopperTableModel::Append(const std::vector<calc::ShopperLine>& lines) {
    if (lines.empty())
        return;
    const int first = static_cast<int>(lines_.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(lines.size()) - 1);
    for (const calc::ShopperLine& line : lines) {
        std::array<QString, calc::kShopperColumns> row;
        const auto cells = line.Cells();
        for (std::size_t c = 0; c < cells.size(); ++c)
            row[c] = QString::fromStdString(cells[c]);
        lines_.push_back(line);
        cells_.push_back(std::move(row));
    }
    endInsertRows();
}

void ShopperTableModel::Clear() {
    if (lines_.empty())
        return;
    beginResetModel();
    lines_.clear();
    cells_.clear();
    endResetModel();
}

const QString& ShopperTableModel::CellText(int row, int column) const {
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

int ShopperTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int ShopperTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : calc::kShopperColumns;
}

QVariant ShopperTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ShopperTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= calc::kShopperColumns)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(
            TrText("Shopper Grid", calc::kShopperHeadings[static_cast<std::size_t>(section)]));
    return {};
}

} // namespace hl
