// Text of a file or a command line made safe to show: a hostile study must not be able to set a
// terminal's title, clear its screen or change its colours through a message that echoes it.
#pragma once

#include <string>
#include <string_view>

namespace hl {

/// Whether a message's own line breaks (a carriage return) stay as they are.
enum class LineBreaks { Escaped, Kept };

/// `text` with every control character written as \xNN (ESC as \x1b): the C0 controls, DEL, the
/// C1 controls (U+0080 to U+009F) and every byte that is not part of a well-formed UTF-8
/// character. A backslash is kept as it is. With LineBreaks::Kept a carriage return stays.
std::string EscapeControls(std::string_view text, LineBreaks breaks = LineBreaks::Escaped);

} // namespace hl
