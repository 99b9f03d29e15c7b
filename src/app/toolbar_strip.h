// The toolbar strip `Picture2`: twelve pictures, and a home-made tool tip that a timer keeps in
// place under the picture the mouse is over.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

namespace hl {

/// Tip texts of the pictures 1 to 12.
extern const std::array<const char*, 12> kToolTipTexts;
/// Left edges of the pictures 1 to 12, twips.
extern const std::array<int, 12> kImageLefts;

class ToolbarStrip : public QWidget {
    Q_OBJECT
  public:
    explicit ToolbarStrip(QWidget* parent = nullptr);

    /// Runs `handler` when picture `k` (1 to 12) is clicked.
    void OnImageClick(int k, std::function<void()> handler);
    /// Greys a picture whose command has no window yet.
    void SetImageEnabled(int k, bool enabled);

    /// Shows the tip of the picture named by the tip index, placed under it (`showtip`).
    void ShowTip();
    /// Hides the tip and stops its timer.
    void HideTip();
    int TipIndex() const { return tipIndex_; }
    /// The timer's tick: shows the tip again, or hides it while a message box is up.
    void TipTick();

    QLabel* Image(int k) const { return images_[static_cast<std::size_t>(k - 1)]; }

    QLineEdit* txtToolTip; ///< the tip box, yellow, shown while the mouse rests on a picture
    QTimer* Timer1;        ///< re-places the tip at every tick while it shows

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    std::array<QLabel*, 12> images_{};
    std::array<std::function<void()>, 12> handlers_{};
    int tipIndex_ = 0;
};

} // namespace hl
