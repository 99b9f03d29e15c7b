// Control characters in a text shown to the user: escaped, and nothing else touched.
#include "core/control_escape.h"

#include <gtest/gtest.h>

namespace hl {
namespace {

TEST(ControlEscape, ControlsAreWrittenOutAndEverythingElseKept) {
    struct Case {
        std::string text, escaped;
    };
    const Case cases[] = {
        {"line 1: \"abc\" is not a number", "line 1: \"abc\" is not a number"},
        {"\x1b]0;owned\x07\x1b[2J", "\\x1b]0;owned\\x07\\x1b[2J"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"tab\there\r\nnew line\x7f", "tab\\x09here\\x0d\\x0anew line\\x7f"},
        {"caf\xC3\xA9 \xE6\x88\xBF \xF0\x9F\x8F\xA0 back\\slash",
         "caf\xC3\xA9 \xE6\x88\xBF \xF0\x9F\x8F\xA0 back\\slash"},
        {"\xC2\x9b"
         "31m",
         "\\xc2\\x9b31m"}, // the C1 control that starts a sequence
        {"\x9b"
         "31m \xC3 \xE6\x88",
         "\\x9b31m \\xc3 \\xe6\\x88"},                           // bytes of no character
        {"\xC0\x80 \xED\xA0\x80", "\\xc0\\x80 \\xed\\xa0\\x80"}, // overlong, surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(EscapeControls(c.text), c.escaped) << c.escaped;
    // A message box keeps its own line breaks.
    EXPECT_EQ(EscapeControls("one\rtwo\x1b", LineBreaks::Kept), "one\rtwo\\x1b");
}

} // namespace
} // namespace hl
