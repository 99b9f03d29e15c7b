// Items of the seven tool sections, one per line.
#include "files/section_items.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "engine/scenario.h"
#include "files/item_rules.h"

namespace hl {
namespace {

constexpr int kMaxCompareEntries = PaymentChanges::kMaxEntries;

template <std::size_t N> void WriteTexts(ItemWriter& w, const std::array<std::string, N>& texts) {
    for (const std::string& t : texts)
        w.Text(WritableText(t)).EndLine();
}

template <std::size_t N>
void ReadTexts(ItemReader& r, std::array<std::string, N>& texts, const char* section) {
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = ReadQuotedText(r, std::string(section) + " text " + std::to_string(i + 1));
}

} // namespace

void WriteEstimateItems(ItemWriter& w, const EstimateSection& s) { WriteTexts(w, s.texts); }

void WriteScheduleItems(ItemWriter& w, const ScheduleSection& s) { w.Whole(s.option).EndLine(); }

void WriteRefinanceItems(ItemWriter& w, const RefinanceSection& s) {
    w.Whole(s.date).EndLine();
    WriteTexts(w, s.texts);
}

void WriteDischargeItems(ItemWriter& w, const DischargeSection& s) {
    w.Whole(s.date).EndLine();
    w.Text(WritableText(s.text)).EndLine();
}

void WriteShopperItems(ItemWriter& w, const ShopperSection& s) { WriteTexts(w, s.texts); }

void WriteCompareItems(ItemWriter& w, const CompareSection& s) {
    WriteTexts(w, s.texts);
    w.Whole(s.date).EndLine();
    w.Text(WritableText(s.frequencyText)).EndLine();
    const std::size_t m = std::min(s.entries.size(), static_cast<std::size_t>(kMaxCompareEntries));
    w.Whole(static_cast<long long>(m)).EndLine();
    for (std::size_t i = 0; i < m; ++i) {
        const CompareSection::Entry& e = s.entries[i];
        w.Number(e.lump).EndLine();
        w.Number(e.change).EndLine();
        w.Whole(e.date).EndLine();
    }
}

void WriteSolverItems(ItemWriter& w, const SolverSection& s) {
    w.Whole(s.date).EndLine();
    WriteTexts(w, s.texts);
    w.Whole(s.check).EndLine();
    w.Whole(s.searchOption).EndLine();
    w.Whole(s.rateOption).EndLine();
}

EstimateSection ReadEstimateItems(ItemReader& r) {
    EstimateSection s;
    ReadTexts(r, s.texts, "the mortgage estimate");
    return s;
}

ScheduleSection ReadScheduleItems(ItemReader& r) {
    ScheduleSection s;
    s.option = static_cast<std::int16_t>(ReadWholeInRange(r, 1, 3, "the schedule grid option"));
    return s;
}

RefinanceSection ReadRefinanceItems(ItemReader& r, RefinanceTexts texts) {
    RefinanceSection s;
    s.date = r.Int32();
    for (std::size_t i = 0; i < s.texts.size(); ++i) {
        // The refinance window keeps six texts; the seventh exists only to keep the study
        // layout, so a working file that stops after six is complete.
        if (i == 6 && texts == RefinanceTexts::kSixOrSeven && r.AtEnd()) {
            s.texts[i] = std::string(kBlankText);
            break;
        }
        s.texts[i] = ReadQuotedText(r, "the refinance text " + std::to_string(i + 1));
    }
    return s;
}

DischargeSection ReadDischargeItems(ItemReader& r) {
    DischargeSection s;
    s.date = r.Int32();
    s.text = ReadQuotedText(r, "the early discharge text");
    return s;
}

ShopperSection ReadShopperItems(ItemReader& r) {
    ShopperSection s;
    ReadTexts(r, s.texts, "the payment shopper");
    return s;
}

CompareSection ReadCompareItems(ItemReader& r) {
    CompareSection s;
    ReadTexts(r, s.texts, "the compare");
    s.date = r.Int32();
    s.frequencyText = ReadQuotedText(r, "the compare frequency");
    const int m = ReadWholeInRange(r, 0, kMaxCompareEntries,
                                   "the number of the compared scenario's payment changes");
    s.entries.reserve(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) {
        CompareSection::Entry e;
        e.lump = r.Number();
        e.change = r.Number();
        e.date = r.Int32();
        s.entries.push_back(e);
    }
    return s;
}

SolverSection ReadSolverItems(ItemReader& r) {
    SolverSection s;
    s.date = r.Int32();
    ReadTexts(r, s.texts, "the refinance solver");
    s.check = static_cast<std::int16_t>(ReadWholeInRange(r, 0, 1, "the solver check box"));
    s.searchOption =
        static_cast<std::int16_t>(ReadWholeInRange(r, 1, 3, "the solver search option"));
    s.rateOption = static_cast<std::int16_t>(ReadWholeInRange(r, 4, 6, "the solver rate option"));
    return s;
}

void WriteToolSectionItems(ItemWriter& w, const ToolSections& s) {
    WriteEstimateItems(w, s.estimate);
    WriteScheduleItems(w, s.schedule);
    WriteRefinanceItems(w, s.refinance);
    WriteDischargeItems(w, s.discharge);
    WriteShopperItems(w, s.shopper);
    WriteCompareItems(w, s.compare);
    WriteSolverItems(w, s.solver);
}

ToolSections ReadToolSectionItems(ItemReader& r) {
    ToolSections s;
    s.estimate = ReadEstimateItems(r);
    s.schedule = ReadScheduleItems(r);
    s.refinance = ReadRefinanceItems(r, RefinanceTexts::kSeven);
    s.discharge = ReadDischargeItems(r);
    s.shopper = ReadShopperItems(r);
    s.compare = ReadCompareItems(r);
    s.solver = ReadSolverItems(r);
    return s;
}

} // namespace hl
