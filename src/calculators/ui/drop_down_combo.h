// A drop-down list that tells its window when its list is about to open.
#pragma once

#include <QComboBox>
#include <functional>

namespace hl {

class DropDownCombo : public QComboBox {
  public:
    using QComboBox::QComboBox;

    /// Runs just before the list opens, by mouse or by keyboard.
    void OnDropDown(std::function<void()> handler) { onDropDown_ = std::move(handler); }

    void showPopup() override;

  private:
    std::function<void()> onDropDown_;
};

} // namespace hl
