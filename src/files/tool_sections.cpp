// The table of tool files and the blank contents it gives.
#include "files/tool_sections.h"

#include <array>

#include "engine/scenario.h"

namespace hl {
namespace {

constexpr ItemRun Texts(int count, const char* what) {
    return {ItemKind::Text, count, 0, 0, 0, what};
}
constexpr ItemRun Day() { return {ItemKind::Day, 1, 0, 0, 0, "a day number"}; }
constexpr ItemRun Option(int lo, int hi, int blank, const char* what) {
    return {ItemKind::Option, 1, lo, hi, blank, what};
}
constexpr ItemRun TrailingText(const char* what) {
    return {ItemKind::TrailingText, 1, 0, 0, 0, what};
}
constexpr ItemRun Groups(int most, const char* what) {
    return {ItemKind::Groups, 1, 0, most, 0, what};
}

// The compared scenario's table holds at most as many entries as the scenario's own.
constexpr int kMostCompareGroups = PaymentChanges::kMaxEntries;

// A new tool file is one enumerator of ToolFile and one row here, in the same place.
constexpr std::array kRows = {
    ToolFileRow{ToolFile::Estimate, "$$em_tmp.bin", 3, {Texts(15, "the mortgage estimate text")}},
    ToolFileRow{
        ToolFile::ScheduleOption, "$$sh_tmp.bin", 6, {Option(1, 3, 1, "the schedule grid option")}},
    // The refinance window keeps six texts; the seventh only keeps the study's layout, so a
    // working file that stops after six is complete.
    ToolFileRow{ToolFile::Refinance,
                "$$rf_tmp.bin",
                4,
                {Day(), Texts(6, "the refinance text"), TrailingText("the refinance text 7")}},
    ToolFileRow{
        ToolFile::Discharge, "$$ed_tmp.bin", 2, {Day(), Texts(1, "the early discharge text")}},
    ToolFileRow{ToolFile::Shopper, "$$ps_tmp.bin", 0, {Texts(9, "the payment shopper text")}},
    ToolFileRow{
        ToolFile::Compare,
        "$$cs_tmp.bin",
        1,
        {Texts(4, "the compare text"), Day(), Texts(1, "the compare frequency"),
         Groups(kMostCompareGroups, "the number of the compared scenario's payment changes")}},
    ToolFileRow{
        ToolFile::Solver,
        "$$sb_tmp.bin",
        5,
        {Day(), Texts(2, "the refinance solver text"), Option(0, 1, 1, "the solver check box"),
         Option(1, 3, 1, "the solver search option"), Option(4, 6, 4, "the solver rate option")}},
};

constexpr bool RowsFollowTheEnum() {
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (static_cast<std::size_t>(kRows[i].id) != i)
            return false;
    return true;
}
static_assert(RowsFollowTheEnum(), "rows stand in the order of ToolFile");

} // namespace

std::span<const ToolFileRow> ToolFileRows() { return kRows; }

const ToolFileRow& RowOf(ToolFile file) { return kRows.at(static_cast<std::size_t>(file)); }

ToolSection::ToolSection(ToolFile file) : file_(file) {
    for (const ItemRun& run : RowOf(file).items) {
        for (int k = 0; k < run.count; ++k) {
            switch (run.kind) {
            case ItemKind::Text:
            case ItemKind::TrailingText:
                items_.emplace_back(std::string(kBlankText));
                break;
            case ItemKind::Day:
                items_.emplace_back(std::int32_t{0});
                break;
            case ItemKind::Option:
                items_.emplace_back(std::int32_t{run.blank});
                break;
            case ItemKind::Groups:
                break;
            }
        }
    }
}

ToolSections::ToolSections() {
    for (const ToolFileRow& row : kRows)
        sections_.emplace_back(row.id);
}

} // namespace hl
