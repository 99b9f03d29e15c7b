// A drop-down list whose window may refuse a change before it is made, whatever the device: a
// click or a key that opens the list, the wheel, the arrow keys, Home and End, and the first
// letters of an item typed over it.
#pragma once

#include <QComboBox>
#include <functional>

namespace hl {

class GuardedCombo : public QComboBox {
  public:
    using QComboBox::QComboBox;

    /// `mayChange` runs before the user changes the choice or opens the list; false leaves the
    /// choice as it is and the list closed. The choice of a list the user opened is not asked
    /// about again.
    void BeforeChange(std::function<bool()> mayChange) { mayChange_ = std::move(mayChange); }
    /// Runs just before the list opens (after BeforeChange allowed it), by mouse or by keys.
    void OnDropDown(std::function<void()> handler) { onDropDown_ = std::move(handler); }
    /// Runs when the user brings the focus to the list by keys (or a window's handler gives it),
    /// not by a click or the wheel, which go on to open or change the list and ask there.
    void OnFocusByKeys(std::function<void()> handler) { onFocusByKeys_ = std::move(handler); }

    void showPopup() override;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    /// Asks BeforeChange; false when it refused.
    bool MayChange();
    /// Makes `index` the choice, as a pick from the list does, if BeforeChange allows it.
    /// False only when it refused.
    bool Choose(int index);
    /// The first enabled item from `from` (excluded) in `step` direction, or -1.
    int NextEnabled(int from, int step) const;
    /// The item that typing `text` over the list finds, as the list's own search does.
    int Search(const QString& text);

    std::function<bool()> mayChange_;
    std::function<void()> onDropDown_;
    std::function<void()> onFocusByKeys_;
    bool asking_ = false;
    bool refused_ = false;        ///< the last question was answered no
    bool refusedGesture_ = false; ///< a touchpad scroll was refused: the rest of it asks nothing
};

} // namespace hl
