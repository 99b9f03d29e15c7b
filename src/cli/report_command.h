// The scenario reports of a study to a PDF file from the command line.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "print/page.h"

namespace hl {

/// The command word.
inline constexpr const char* kReportCommand = "report";

/// Every option the command takes, with the study as its one operand.
cli::OptionGrammar ReportCommandGrammar();

/// Writes the pages to a PDF file at a path, atomically; gives the error line when it cannot.
using PdfWriter =
    std::function<std::optional<std::string>(const Report& report, const std::string& path)>;

/// The writer of this build: through Qt's printer when the program is built with Qt, otherwise
/// one that refuses.
PdfWriter DefaultPdfWriter();

/// `report STUDY.mtg --output FILE.pdf [--summary] [--changes] [--schedule] [--option 1|2|3]
/// [--frequency N]`: the reports named (all three when none is) as one PDF document, pages
/// numbered through, the schedule in the option given (1 All Payments by default). An empty
/// payment-changes table skips that report with its warning on `err`. `args` follow the command
/// word. Returns 0, or 2 with one line on `err`.
int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const PdfWriter& writer = DefaultPdfWriter());

} // namespace hl
