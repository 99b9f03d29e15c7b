// Reading a calculator's boxes and checking them when they lose the focus.
#include <gtest/gtest.h>

#include "calculators/field_check.h"
#include "core/box_value.h"

namespace hl::calc {
namespace {

TEST(BoxValue, EmptyBoxHasNoValueButAnyTextHasOne) {
    EXPECT_FALSE(BoxValue("").has_value());
    // A blank working file restores " ": that box is not empty, it reads 0.
    EXPECT_EQ(BoxValue(" "), 0.0f);
    EXPECT_EQ(BoxValue("abc"), 0.0f);
    EXPECT_EQ(BoxValue("12.5.7"), 12.5f);
}

TEST(BoxValue, ReadsAsASingle) {
    // Seven significant digits: the cents of a million-dollar figure are already rounded.
    EXPECT_EQ(BoxValue("1234567.89"), 1234567.875f);
}

TEST(BoxValue, BlankStoredTextRestoresAnEmptyBox) {
    // A box restored as " " would be questioned as a value of 0 when left untouched.
    EXPECT_EQ(RestoredBoxText(" "), "");
    EXPECT_EQ(RestoredBoxText("   "), "");
    EXPECT_EQ(RestoredBoxText(""), "");
    EXPECT_EQ(RestoredBoxText(" 7"), " 7");
    EXPECT_EQ(RestoredBoxText("50000.00"), "50000.00");

    EXPECT_EQ(StoredBoxText(""), " ");
    EXPECT_EQ(StoredBoxText("7.000"), "7.000");
    EXPECT_EQ(RestoredBoxText(StoredBoxText("")), "");
}

TEST(FieldCheck, RejectedValueAsksToCorrectIt) {
    const FieldRule rule{25.0f, "First line", "#0.000"};
    const FieldCheck check = CheckField(25.5f, rule);
    EXPECT_EQ(check.outcome, FieldOutcome::Rejected);
    ASSERT_TRUE(check.message.has_value());
    EXPECT_EQ(check.message->title, "Mortgage Input Error");
    EXPECT_EQ(check.message->text,
              "First line\rA valid value (or nothing) must be entered to continue.\r\r"
              "Do you want to correct your input. (Selecting [No] will clear the field).");
    EXPECT_EQ(check.message->buttons, Buttons::YesNo);
    EXPECT_TRUE(check.message->beep);
}

TEST(FieldCheck, AcceptsAboveZeroUpToTheMaximumInclusive) {
    const FieldRule rule{25.0f, "First line", "#0.000"};
    EXPECT_EQ(CheckField(std::nullopt, rule).outcome, FieldOutcome::Empty);
    EXPECT_EQ(CheckField(0.0f, rule).outcome, FieldOutcome::Rejected);
    EXPECT_EQ(CheckField(0.001f, rule).outcome, FieldOutcome::Accepted);

    const FieldCheck top = CheckField(25.0f, rule);
    EXPECT_EQ(top.outcome, FieldOutcome::Accepted);
    EXPECT_EQ(top.text, "25.000");
    EXPECT_FALSE(top.message.has_value());
}

} // namespace
} // namespace hl::calc
