// The value of an input box as the computations read it, and its text in the working files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/single.h"

namespace hl::calc {

/// A box's value: nothing when its text is empty (a box holding only spaces is not empty),
/// otherwise the leading number of its text as a single, 0 when the text has none.
std::optional<Single> BoxValue(std::string_view text);

/// The text a box shows for a text restored from a working file or a study. The files write an
/// empty box as one blank; a box holding that blank would not count as empty and would be
/// questioned as a value of 0, so a text of blanks only restores an empty box.
std::string RestoredBoxText(std::string_view stored);

/// The text a working file keeps for a box: its text, one blank for an empty box.
std::string StoredBoxText(std::string_view box);

} // namespace hl::calc
