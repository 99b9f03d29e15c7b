// Keeps every column of a grid in sight: the columns take what their texts need and share the
// rest of the grid's width, and take their shares again whenever that width changes (a scroll
// bar appearing with the rows, the window resized).
#pragma once

#include <QObject>
#include <vector>

class QAbstractItemView;
class QFontMetrics;
class QHeaderView;
class QString;
class QWidget;

namespace hl {

/// Widths of columns in a width of `available` pixels: each column its need, and what is left
/// shared in proportion to the weights (the remainder of the division to the last column). When
/// the needs alone are wider, the needs.
std::vector<int> FittedWidths(const std::vector<int>& needs, const std::vector<int>& weights,
                              int available);

/// Pixels a column needs for its texts in `metrics`: the widest line of any of them and the
/// cell's margins on both sides.
int ColumnNeed(const QFontMetrics& metrics, const std::vector<QString>& texts);

/// Fits the columns of `grid` to its viewport now and on every change of the viewport's width.
/// Given the grid's `window`, widens it (its frame, inside the main window) once when it is first
/// shown too narrow for the needs.
class FittedColumns : public QObject {
  public:
    FittedColumns(QAbstractItemView* grid, QHeaderView* header, std::vector<int> needs,
                  std::vector<int> weights, QWidget* window = nullptr);

    /// New needs (the grid was filled with other texts); the columns are fitted again.
    void SetNeeds(std::vector<int> needs);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Fit();
    void GrowOnce();

    QAbstractItemView* grid_;
    QWidget* viewport_; ///< kept: while the grid is destroyed it can no longer be asked for it
    QHeaderView* header_;
    std::vector<int> needs_;
    std::vector<int> weights_;
    QWidget* window_; ///< to widen once, then nothing
};

} // namespace hl
