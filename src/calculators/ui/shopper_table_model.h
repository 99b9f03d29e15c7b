// The payment shopper's result table as a model: result lines and empty separator lines under
// one heading row.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

#include "calculators/shopper.h"

namespace hl {

class ShopperTableModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    /// Adds lines below the ones already shown, in one go.
    void Append(const std::vector<calc::ShopperLine>& lines);
    /// Removes every line; the headings stay.
    void Clear();
    /// The lines shown, separators included, top to bottom.
    const std::vector<calc::ShopperLine>& Lines() const { return lines_; }
    /// The text of one cell ("" for a separator line).
    const QString& CellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<calc::ShopperLine> lines_;
    // The formatted cells, made once per line rather than on every repaint.
    std::vector<std::array<QString, calc::kShopperColumns>> cells_;
};

} // namespace hl
