// The schedule grid's rows as a table model: cells are formatted when the view asks for them,
// so a change of option swaps one vector and repaints only what is on screen.
#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "display/schedule_view.h"

namespace hl {

class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ScheduleModel(QObject* parent = nullptr);

    /// Replaces every row in one reset.
    void SetRows(std::vector<ScheduleRow> rows);
    const std::vector<ScheduleRow>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<ScheduleRow> rows_;
};

} // namespace hl
