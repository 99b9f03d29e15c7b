// Sends a window's printed form to the printer the user chooses, or shows why there is none.
#pragma once

#include <string>

#include "platform/services.h"
#include "windowkit/print_out.h"

namespace hl {

/// Prints `out` as one document named `name` through the print dialog, with the busy pointer
/// while the pages are drawn; shows the refusal instead when `out` has one, and a message when
/// the printer fails. Returns what became of the request (a refusal counts as cancelled).
PrintResult PrintOrRefuse(Services& services, const std::string& name, const PrintOut& out);

/// Shown when the printer could not take the document.
inline constexpr const char* kPrintFailedTitle =
    QT_TRANSLATE_NOOP("PrintOut", "Mtge Print Error Trap");
inline constexpr const char* kPrintFailedText = QT_TRANSLATE_NOOP(
    "PrintOut",
    "Error - the printer could not print this document.  Check the printer and try again.");

/// A text of the print messages (kPrintFailedText, the refusals of print_out.h) in the user's
/// language; a text it does not know (one a window made up) stays as it is.
std::string PrintText(const std::string& text);

} // namespace hl
