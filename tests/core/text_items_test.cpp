// The text item format: shortest single texts, exact round trips, and refusing bad files.
#include "core/text_items.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace hl {
namespace {

TEST(SingleText, ShortestPlainDecimal) {
    EXPECT_EQ(SingleText(894.49f), "894.49");
    EXPECT_EQ(SingleText(150000.0f), "150000");
    EXPECT_EQ(SingleText(0.5f), "0.5");
    EXPECT_EQ(SingleText(-2.25f), "-2.25");
    EXPECT_EQ(SingleText(0.0f), "0");
    EXPECT_EQ(SingleText(-0.0f), "0");
    EXPECT_EQ(SingleText(0.00816488266f), "0.008164883");
    // 249722.35 has no single of its own: of the shortest texts that read back to
    // 249722.34375, the nearer one is written.
    EXPECT_EQ(SingleText(249722.35f), "249722.34");
    EXPECT_EQ(SingleText(std::nanf("")), "0");
    EXPECT_EQ(SingleText(HUGE_VALF), "0");
}

TEST(SingleText, NeverExponentForm) {
    for (float f : {1e-30f, 3e38f, 1e10f, 1.17549435e-38f, 1.4e-45f, -3.4028235e38f}) {
        const std::string s = SingleText(f);
        EXPECT_EQ(s.find_first_of("eE"), std::string::npos) << s;
    }
    EXPECT_EQ(SingleText(1e10f), "10000000000");
}

TEST(ItemRoundTrip, RandomSinglesReadBackExactly) {
    std::mt19937 random(20240229u);
    ItemWriter w;
    std::vector<float> written;
    for (int k = 0; k < 20000; ++k) {
        float f = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (!std::isfinite(f))
            continue;
        if (k % 2 == 0)
            f = static_cast<float>(random() % 100000000) / 100.0f; // money-like
        written.push_back(f);
        w.Number(f);
        if (k % 7 == 6)
            w.EndLine();
    }
    w.EndLine();
    ItemReader r(w.Contents());
    for (float f : written) {
        const float back = r.Number();
        ASSERT_EQ(std::bit_cast<std::uint32_t>(back),
                  std::bit_cast<std::uint32_t>(f == 0.0f ? 0.0f : f))
            << SingleText(f);
    }
    EXPECT_TRUE(r.AtEnd());
}

TEST(ItemRoundTrip, LinesOfMixedItems) {
    ItemWriter w;
    w.Whole(3).EndLine();
    w.Text("Mortgage, first").Whole(35065).Number(894.49f).Unset().Number(-2.5f).EndLine();
    w.Text(" ").Text("").Text("he said \"yes\" twice").Whole(-32768).EndLine();
    EXPECT_EQ(w.Contents(), "3\r\n"
                            "\"Mortgage, first\",35065,894.49,,-2.5\r\n"
                            "\" \",\"\",\"he said \"yes\" twice\",-32768\r\n");

    ItemReader r(w.Contents());
    EXPECT_EQ(r.Int16(), 3);
    EXPECT_EQ(r.Line(), 2);
    EXPECT_EQ(r.Text(), "Mortgage, first");
    EXPECT_EQ(r.Int32(), 35065);
    EXPECT_EQ(r.Number(), 894.49f);
    r.Skip();
    EXPECT_EQ(r.Number(), -2.5f);
    EXPECT_EQ(r.Line(), 3);
    EXPECT_EQ(r.Text(), " ");
    EXPECT_EQ(r.Text(), "");
    EXPECT_EQ(r.Raw(), "\"he said \"yes\" twice\"");
    EXPECT_EQ(r.Int16(), -32768);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_THROW(r.Int16(), ItemFormatError);
}

TEST(ItemReader, LineFeedOnlyAndBlanksAroundItems) {
    ItemReader r("1, 2 ,\"x\" \n 4\r\n");
    EXPECT_EQ(r.Int16(), 1);
    EXPECT_EQ(r.Int16(), 2);
    EXPECT_EQ(r.Text(), "x");
    EXPECT_EQ(r.Line(), 2);
    EXPECT_EQ(r.Int32(), 4);
    EXPECT_TRUE(r.AtEnd());
}

TEST(ItemReader, SevenSignificantDigitFilesStillRead) {
    ItemReader r("249722.4,.5,5.,-.5,0.008164883,100000\r\n");
    EXPECT_EQ(r.Number(), 249722.4f);
    EXPECT_EQ(r.Number(), 0.5f);
    EXPECT_EQ(r.Number(), 5.0f);
    EXPECT_EQ(r.Number(), -0.5f);
    EXPECT_EQ(r.Number(), 0.00816488266f);
    EXPECT_EQ(r.Number(), 100000.0f);
}

TEST(ItemReader, WholeNumbersRoundHalvesToEven) {
    ItemReader r("2.5,3.5,-2.5\r\n");
    EXPECT_EQ(r.Int16(), 2);
    EXPECT_EQ(r.Int16(), 4);
    EXPECT_EQ(r.Int32(), -2);
}

// Each of these files holds something other than what its reader asks for.
TEST(ItemReader, GarbageThrows) {
    auto int16Of = [](std::string text) { return ItemReader(std::move(text)).Int16(); };
    auto numberOf = [](std::string text) { return ItemReader(std::move(text)).Number(); };
    EXPECT_THROW(int16Of("abc\r\n"), ItemFormatError);
    EXPECT_THROW(int16Of("\"12\"\r\n"), ItemFormatError);
    EXPECT_THROW(int16Of(""), ItemFormatError);
    EXPECT_THROW(int16Of(",5\r\n"), ItemFormatError);
    EXPECT_THROW(int16Of("12abc\r\n"), ItemFormatError);
    EXPECT_THROW(int16Of("-\r\n"), ItemFormatError);
    EXPECT_THROW(int16Of(std::string("\x01\xff\x00\x7f", 4)), ItemFormatError);
    EXPECT_THROW(int16Of("32768\r\n"), ItemFormatError);
    EXPECT_THROW(int16Of("-32769\r\n"), ItemFormatError);
    EXPECT_THROW(int16Of("32767.5\r\n"), ItemFormatError);
    EXPECT_THROW(ItemReader("2147483648\r\n").Int32(), ItemFormatError);
    EXPECT_THROW(ItemReader("2147483647.5\r\n").Int32(), ItemFormatError);
    EXPECT_THROW(numberOf("1e5\r\n"), ItemFormatError);
    EXPECT_THROW(numberOf("1.2.3\r\n"), ItemFormatError);
    EXPECT_THROW(numberOf("nan\r\n"), ItemFormatError);
    EXPECT_THROW(numberOf(std::string(60, '9') + "\r\n"), ItemFormatError);
    EXPECT_THROW(ItemReader("\"no end\r\n").Text(), ItemFormatError);
    EXPECT_EQ(int16Of("32767\r\n"), 32767);
    EXPECT_EQ(int16Of("-32768\r\n"), -32768);
}

TEST(ItemReader, ShortFileThrowsAndNamesTheLine) {
    ItemReader r("5\r\n1,2\r\n");
    r.Int16();
    r.Int16();
    r.Int16();
    try {
        r.Int16();
        FAIL() << "read past the end";
    } catch (const ItemFormatError& e) {
        EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
    }
}

TEST(ItemFiles, WrittenWholeAndReadBack) {
    test::TempFolder folder;
    const std::string path = folder.Path("$$temp.bin");
    ASSERT_TRUE(WriteFileAtomically(path, "1\r\n100000\r\n"));
    EXPECT_EQ(ReadWholeFile(path), "1\r\n100000\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "0\r\n"));
    EXPECT_EQ(ReadWholeFile(path), "0\r\n");
    EXPECT_EQ(test::Slurp(path + ".part"), "");
    EXPECT_THROW(ReadWholeFile(folder.Path("missing.bin")), ItemFormatError);
    EXPECT_FALSE(WriteFileAtomically(folder.Path("no-such-folder/x.bin"), "1\r\n"));
}

} // namespace
} // namespace hl
