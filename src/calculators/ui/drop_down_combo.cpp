// A drop-down list that reports its list opening.
#include "calculators/ui/drop_down_combo.h"

namespace hl {

void DropDownCombo::showPopup() {
    if (onDropDown_)
        onDropDown_();
    QComboBox::showPopup();
}

} // namespace hl
