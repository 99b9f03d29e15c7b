// The payment shopper's boxes: what each one accepts, keeps and clears when it loses the focus.
#include <gtest/gtest.h>

#include "calculators/shopper_fields.h"

namespace hl::calc {
namespace {

std::string FirstLine(const ShopperFieldCheck& c) {
    return c.check.message ? c.check.message->text.substr(0, c.check.message->text.find('\r')) : "";
}

TEST(ShopperFields, EmptyBoxStoresZero) {
    for (int box = 1; box <= kShopperBoxes; ++box) {
        const ShopperFieldCheck c = CheckShopperField(box, std::nullopt, 7.0f);
        EXPECT_EQ(c.stored, 0.0f);
        EXPECT_EQ(c.check.outcome, FieldOutcome::Empty);
        EXPECT_FALSE(c.check.message.has_value());
        // Only the rate and amortization upper boundaries clear the table here.
        EXPECT_EQ(c.clearTable, box == 5 || box == 8) << box;
    }
}

TEST(ShopperFields, ChangedValueClearsTheTable) {
    EXPECT_FALSE(CheckShopperField(4, 7.0f, 7.0f).clearTable);
    EXPECT_TRUE(CheckShopperField(4, 7.5f, 7.0f).clearTable);
}

TEST(ShopperFields, RefusedValueIsStoredAnyway) {
    const ShopperFieldCheck c = CheckShopperField(6, 30.0f, 1.0f);
    EXPECT_EQ(c.check.outcome, FieldOutcome::Rejected);
    EXPECT_EQ(c.stored, 30.0f);
    ASSERT_TRUE(c.check.message.has_value());
    EXPECT_EQ(c.check.message->title, "Mortgage Input Error");
    EXPECT_EQ(c.check.message->buttons, Buttons::YesNo);
}

TEST(ShopperFields, LimitsMessagesAndFormats) {
    struct Case {
        int box;
        Single top;
        const char* shown;
        const char* firstLine;
    };
    const char* const amountLine =
        "Error, value entered in the mortgage lower boundary box must be between 1 and 500000";
    const char* const rateLine =
        "Error, value entered in the Interest Rate box must be between 1 and 25";
    const char* const yearsLine =
        "Error, value entered in the Amortizaton box must be between 1 and 35";
    const Case cases[] = {
        {1, 500000, "500000.00", amountLine},
        // The upper boundary speaks of the lower one too.
        {2, 500000, "500000.00", amountLine},
        {3, 500000, "500000.00",
         "Error, value entered in the mortgage increment box must be between 1 and 500000"},
        {4, 25, "25.000", rateLine},
        {5, 25, "25.000", rateLine},
        {6, 25, "25.000", rateLine},
        {7, 35, "35.00", yearsLine},
        {8, 35, "35.00", yearsLine},
        {9, 35, "35.00", yearsLine},
    };
    for (const Case& c : cases) {
        const ShopperFieldCheck top = CheckShopperField(c.box, c.top, 0);
        EXPECT_EQ(top.check.outcome, FieldOutcome::Accepted) << c.box;
        EXPECT_EQ(top.check.text, c.shown) << c.box;

        const Single over = sgl::Add(c.top, 0.5f);
        EXPECT_EQ(FirstLine(CheckShopperField(c.box, over, 0)), c.firstLine) << c.box;
        EXPECT_EQ(FirstLine(CheckShopperField(c.box, 0.0f, 0)), c.firstLine) << c.box;
    }
}

} // namespace
} // namespace hl::calc
