// How each tool window's inputs are written and read as items: the same items, one per line,
// whether they stand in the window's working file or in a section of the study file.
#pragma once

#include "core/text_items.h"
#include "files/tool_sections.h"

namespace hl {

/// Whether a refinance section must hold seven texts (the study file) or may stop after six
/// (a working file written by the refinance window, which keeps only six).
enum class RefinanceTexts { kSeven, kSixOrSeven };

void WriteEstimateItems(ItemWriter& w, const EstimateSection& s);
void WriteScheduleItems(ItemWriter& w, const ScheduleSection& s);
/// Always seven texts, so a study saved from a six-text working file keeps its full layout.
void WriteRefinanceItems(ItemWriter& w, const RefinanceSection& s);
void WriteDischargeItems(ItemWriter& w, const DischargeSection& s);
void WriteShopperItems(ItemWriter& w, const ShopperSection& s);
/// At most 200 groups, the most a reader accepts.
void WriteCompareItems(ItemWriter& w, const CompareSection& s);
void WriteSolverItems(ItemWriter& w, const SolverSection& s);

/// Each reads its section's items in order; throws ItemFormatError on a short section, a
/// wrong type, a count outside 0..200 or an option code outside its range.
EstimateSection ReadEstimateItems(ItemReader& r);
ScheduleSection ReadScheduleItems(ItemReader& r);
RefinanceSection ReadRefinanceItems(ItemReader& r, RefinanceTexts texts);
DischargeSection ReadDischargeItems(ItemReader& r);
ShopperSection ReadShopperItems(ItemReader& r);
CompareSection ReadCompareItems(ItemReader& r);
SolverSection ReadSolverItems(ItemReader& r);

/// All seven in the study file's order: estimate, schedule, refinance, discharge, shopper,
/// compare, solver.
void WriteToolSectionItems(ItemWriter& w, const ToolSections& s);
ToolSections ReadToolSectionItems(ItemReader& r);

} // namespace hl
