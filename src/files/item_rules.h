// The stricter reading this folder's files get on top of the text item format: texts must be
// quoted, counts and option codes must lie in range, nothing may follow the last item. A file
// that breaks a rule is not one of ours, and the reader says where it went wrong.
#pragma once

#include <string>
#include <string_view>

#include "core/text_items.h"

namespace hl {

/// Reads a text that must be written in double quotes; returns it without them.
std::string ReadQuotedText(ItemReader& reader, std::string_view what);

/// Reads a whole number that must lie in lo..hi (a table count, an option code).
int ReadWholeInRange(ItemReader& reader, int lo, int hi, std::string_view what);

/// Throws unless only blanks and line ends are left.
void ExpectEnd(const ItemReader& reader, std::string_view what);

/// Throws an ItemFormatError naming the line.
[[noreturn]] void FailAt(int line, const std::string& why);

/// A text made safe to write: a line break would split the item and a quote followed by a
/// comma would end it early, so they become a blank and an apostrophe.
std::string WritableText(std::string_view text);

/// Characters in a UTF-8 text (not bytes), as the comment length item counts them.
int CharacterCount(std::string_view text);

/// An item's characters trimmed of the blanks around them.
std::string TrimmedItem(std::string_view raw);

} // namespace hl
