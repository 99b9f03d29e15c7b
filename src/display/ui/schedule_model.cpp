// The schedule grid's model.
#include "display/ui/schedule_model.h"

#include "core/translate.h"

namespace hl {

namespace {

QVariant Alignment(int column) {
    const Qt::Alignment horizontal =
        ScheduleColumnRightAligned(column) ? Qt::AlignRight : Qt::AlignLeft;
    return QVariant::fromValue(horizontal | Qt::AlignVCenter);
}

} // namespace

ScheduleModel::ScheduleModel(QObject* parent) : QAbstractTableModel(parent) {}

void ScheduleModel::SetRows(std::vector<ScheduleRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kScheduleColumns;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size()))
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(
            ScheduleCellText(rows_[static_cast<std::size_t>(index.row())], index.column()));
    if (role == Qt::TextAlignmentRole)
        return Alignment(index.column());
    return {};
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kScheduleColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromStdString(
            TrText("Schedule Grid", kScheduleHeaders[static_cast<std::size_t>(section)]));
    return {};
}

} // namespace hl
