// How each tool window's inputs are written and read as items: the same items, one per line,
// whether they stand in the window's working file or in a section of the study file.
#pragma once

#include "core/text_items.h"
#include "files/tool_sections.h"

namespace hl {

/// Where a section is read from: a working file may leave out a trailing text (the refinance
/// window keeps six texts of the seven), a study file may not.
enum class SectionSource { StudyFile, WorkingFile };

/// Writes a section's items as its row lays them out: every trailing text, and at most the
/// row's cap of groups, the most a reader accepts.
void WriteSectionItems(ItemWriter& w, const ToolSection& s);

/// Reads one section's items in order; throws ItemFormatError on a short section, a wrong
/// type, a count outside 0..cap or an option code outside its range.
ToolSection ReadSectionItems(ItemReader& r, ToolFile file, SectionSource source);

/// All seven in the study file's order.
void WriteToolSectionItems(ItemWriter& w, const ToolSections& s);
ToolSections ReadToolSectionItems(ItemReader& r);

} // namespace hl
