// Items of the tool sections, one per line, laid out by each file's row.
#include "files/section_items.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "files/item_rules.h"

namespace hl {
namespace {

// The name of the k-th item of a run in a message; a run of one needs no number.
std::string ItemName(const ItemRun& run, int k) {
    std::string name(run.what);
    if (run.count > 1) {
        name += ' ';
        name += std::to_string(k + 1);
    }
    return name;
}

} // namespace

void WriteSectionItems(ItemWriter& w, const ToolSection& s) {
    std::size_t i = 0;
    for (const ItemRun& run : RowOf(s.File()).items) {
        for (int k = 0; k < run.count; ++k) {
            switch (run.kind) {
            case ItemKind::Text:
            case ItemKind::TrailingText:
                w.Text(WritableText(s.Text(i++))).EndLine();
                break;
            case ItemKind::Day:
            case ItemKind::Option:
                w.Whole(s.Whole(i++)).EndLine();
                break;
            case ItemKind::Groups: {
                const std::size_t m =
                    std::min(s.groups.size(), static_cast<std::size_t>(std::max(run.hi, 0)));
                w.Whole(static_cast<long long>(m)).EndLine();
                for (std::size_t g = 0; g < m; ++g) {
                    w.Number(s.groups[g].lump).EndLine();
                    w.Number(s.groups[g].change).EndLine();
                    w.Whole(s.groups[g].date).EndLine();
                }
                break;
            }
            }
        }
    }
}

ToolSection ReadSectionItems(ItemReader& r, ToolFile file, SectionSource source) {
    ToolSection s(file);
    std::size_t i = 0;
    for (const ItemRun& run : RowOf(file).items) {
        for (int k = 0; k < run.count; ++k) {
            switch (run.kind) {
            case ItemKind::TrailingText:
                // Left blank when a working file stops here.
                if (source == SectionSource::WorkingFile && r.AtEnd()) {
                    ++i;
                    break;
                }
                [[fallthrough]];
            case ItemKind::Text:
                s.SetText(i++, ReadQuotedText(r, ItemName(run, k)));
                break;
            case ItemKind::Day:
                s.SetDay(i++, r.Int32());
                break;
            case ItemKind::Option:
                s.SetWhole(i++, ReadWholeInRange(r, run.lo, run.hi, ItemName(run, k)));
                break;
            case ItemKind::Groups: {
                const int m = ReadWholeInRange(r, 0, run.hi, ItemName(run, k));
                s.groups.reserve(static_cast<std::size_t>(m));
                for (int g = 0; g < m; ++g) {
                    ToolGroup group;
                    group.lump = r.Number();
                    group.change = r.Number();
                    group.date = r.Int32();
                    s.groups.push_back(group);
                }
                break;
            }
            }
        }
    }
    return s;
}

void WriteToolSectionItems(ItemWriter& w, const ToolSections& s) {
    for (const ToolSection& section : s)
        WriteSectionItems(w, section);
}

ToolSections ReadToolSectionItems(ItemReader& r) {
    ToolSections s;
    for (const ToolFileRow& row : ToolFileRows())
        s[row.id] = ReadSectionItems(r, row.id, SectionSource::StudyFile);
    return s;
}

} // namespace hl
