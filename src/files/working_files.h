// The tool working files ($$em_tmp.bin and six others) in the working folder: one per tool
// window, holding its inputs while the program runs.
#pragma once

#include <string>

#include "files/tool_sections.h"

namespace hl {

inline constexpr const char* kEstimateFile = "$$em_tmp.bin";
inline constexpr const char* kScheduleOptionFile = "$$sh_tmp.bin";
inline constexpr const char* kRefinanceFile = "$$rf_tmp.bin";
inline constexpr const char* kDischargeFile = "$$ed_tmp.bin";
inline constexpr const char* kShopperFile = "$$ps_tmp.bin";
inline constexpr const char* kCompareFile = "$$cs_tmp.bin";
inline constexpr const char* kSolverFile = "$$sb_tmp.bin";

/// Writes all seven working files in `folder` (a prefix ending in "/"). False on failure.
bool WriteToolFiles(const std::string& folder, const ToolSections& sections);

/// Reads all seven working files; a missing or unreadable file gives that section's blank
/// contents (the refinance file may hold six texts: the seventh is then " ").
ToolSections ReadToolFiles(const std::string& folder);

/// Writes the blank contents to all seven (start-up and New).
bool ResetToolFiles(const std::string& folder);

/// Deletes the seven, in the order $$ps, $$cs, $$ed, $$em, $$rf, $$sb, $$sh (Quit).
void DeleteToolFiles(const std::string& folder);

/// One section at a time, for the window that owns it.
EstimateSection ReadEstimateFile(const std::string& folder);
bool WriteEstimateFile(const std::string& folder, const EstimateSection& s);
ScheduleSection ReadScheduleOptionFile(const std::string& folder);
bool WriteScheduleOptionFile(const std::string& folder, const ScheduleSection& s);
RefinanceSection ReadRefinanceFile(const std::string& folder);
bool WriteRefinanceFile(const std::string& folder, const RefinanceSection& s);
DischargeSection ReadDischargeFile(const std::string& folder);
bool WriteDischargeFile(const std::string& folder, const DischargeSection& s);
ShopperSection ReadShopperFile(const std::string& folder);
bool WriteShopperFile(const std::string& folder, const ShopperSection& s);
CompareSection ReadCompareFile(const std::string& folder);
bool WriteCompareFile(const std::string& folder, const CompareSection& s);
SolverSection ReadSolverFile(const std::string& folder);
bool WriteSolverFile(const std::string& folder, const SolverSection& s);

} // namespace hl
