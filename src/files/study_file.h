// The study file (*.mtg): the scenario, its payment changes and the inputs of the seven tool
// windows, item by item in the text item format.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/scenario.h"
#include "files/lender_terms.h"
#include "files/tool_sections.h"

namespace hl {

struct Study {
    Scenario scenario;            ///< frequency is meaningful only when frequencyStored is set
    bool frequencyStored = false; ///< item 8 held a frequency code (files written before hold "")
    PaymentChanges changes;
    ToolSections tools;
    /// The lender's terms, written after the tool sections; a study without them (every study
    /// written before they existed) has none and writes none.
    std::optional<LenderTerms> lender;
};

/// The study file's text. Item 8 carries the scenario's frequency code.
std::string WriteStudyText(const Study& study);

/// Reads a study file's text; throws ItemFormatError (with a clear message) on anything that is
/// not a study file: a short file, a lender's terms section that is not one, a word where a number
/// belongs, a table count outside 0..200; and on any value the input form or the payment-changes
/// grid would not take (an amount above 500000, a start date outside 1900 to 2099, a comment over
/// 61 characters, a negative lump...). The message names the line and the item. Every study it
/// returns writes back (WriteStudyText) to a text it reads as the very same study.
Study ReadStudyText(const std::string& text);

/// Reads a study file from disk; throws ItemFormatError.
Study ReadStudyFile(const std::string& path);

/// Writes a study file atomically; false on failure (the old file, if any, is left as it was).
bool WriteStudyFile(const std::string& path, const Study& study);

} // namespace hl
