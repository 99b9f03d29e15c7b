// The tool working files ($$em_tmp.bin and six others) in the working folder: one per tool
// window, holding its inputs while the program runs. Names and items come from the tool file
// table (files/tool_sections.h).
#pragma once

#include <string>

#include "files/tool_sections.h"

namespace hl {

/// Reads one tool file from `folder` (a prefix ending in "/"). A missing or damaged file gives
/// the blank section, so a window always opens; a refinance file of six texts is complete.
ToolSection ReadToolFile(const std::string& folder, ToolFile file);

/// Writes the section to its own tool file, atomically. False on failure.
bool WriteToolFile(const std::string& folder, const ToolSection& section);

/// Writes all seven working files. False when any failed.
bool WriteToolFiles(const std::string& folder, const ToolSections& sections);

/// Reads all seven, each as ReadToolFile does.
ToolSections ReadToolFiles(const std::string& folder);

/// Writes the blank contents to all seven (start-up and New).
bool ResetToolFiles(const std::string& folder);

/// Deletes the seven in their Quit order: $$ps, $$cs, $$ed, $$em, $$rf, $$sb, $$sh.
void DeleteToolFiles(const std::string& folder);

} // namespace hl
