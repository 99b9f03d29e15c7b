// The tool working files: each holds one tool section, one item per line.
#include "files/working_files.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/text_items.h"
#include "files/item_rules.h"
#include "files/section_items.h"

namespace hl {

ToolSection ReadToolFile(const std::string& folder, ToolFile file) {
    const std::string path = folder + ToolFileName(file);
    try {
        ItemReader r(ReadWholeFile(path));
        ToolSection s = ReadSectionItems(r, file, SectionSource::WorkingFile);
        ExpectEnd(r, path);
        return s;
    } catch (const ItemFormatError&) {
        return ToolSection(file);
    }
}

bool WriteToolFile(const std::string& folder, const ToolSection& section) {
    ItemWriter w;
    WriteSectionItems(w, section);
    return WriteFileAtomically(folder + ToolFileName(section.File()), w.Contents());
}

bool WriteToolFiles(const std::string& folder, const ToolSections& sections) {
    // Every file is written even when one fails, so as many windows as possible keep their
    // inputs.
    bool ok = true;
    for (const ToolSection& s : sections)
        ok = WriteToolFile(folder, s) && ok;
    return ok;
}

ToolSections ReadToolFiles(const std::string& folder) {
    ToolSections s;
    for (const ToolFileRow& row : ToolFileRows())
        s[row.id] = ReadToolFile(folder, row.id);
    return s;
}

bool ResetToolFiles(const std::string& folder) {
    return WriteToolFiles(folder, BlankToolSections());
}

void DeleteToolFiles(const std::string& folder) {
    std::vector<ToolFileRow> rows(ToolFileRows().begin(), ToolFileRows().end());
    std::sort(rows.begin(), rows.end(),
              [](const ToolFileRow& a, const ToolFileRow& b) { return a.quitRank < b.quitRank; });
    for (const ToolFileRow& row : rows)
        std::remove((folder + row.name).c_str());
}

} // namespace hl
