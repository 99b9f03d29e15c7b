// A message box that a computation (a calculator or an analysis tool) asks its window to show,
// as plain data: the window shows it through the platform and reports the answer where it matters.
#pragma once

#include <string>

namespace hl::calc {

enum class Buttons {
    Ok,
    YesNo,
};

struct CalcMessage {
    std::string title;
    std::string text; ///< line breaks are single carriage returns
    Buttons buttons = Buttons::Ok;
    bool beep = true; ///< sound a beep before showing it
    bool operator==(const CalcMessage&) const = default;
};

} // namespace hl::calc
