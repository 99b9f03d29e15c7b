// The report command's writer in a build without Qt.
#include "cli/report_command.h"

namespace hl {

PdfWriter DefaultPdfWriter() {
    return [](const Report&, const std::string&) -> std::optional<std::string> {
        return "this build of the program cannot write PDF (it is built without Qt)";
    };
}

} // namespace hl
