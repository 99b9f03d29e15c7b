// Studies and study texts shared by the study file tests.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "files/study_file.h"

namespace hl::test {

/// Joins lines with CR LF after each, as every file of the program ends its lines.
std::string CrLfLines(const std::vector<std::string>& lines);

/// The study file lines of the blank tool sections (items 11 to 17).
std::vector<std::string> BlankSectionLines();

/// Sets the texts of items first, first + 1, ... of a tool section.
void SetTexts(ToolSection& section, std::size_t first, std::initializer_list<const char*> texts);

/// A study with every part filled: table entries, every section, compare entries.
Study RichStudy();

/// Field-by-field equality with a readable failure message.
void ExpectSameStudy(const Study& expected, const Study& actual);

} // namespace hl::test
