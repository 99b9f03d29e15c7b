// Text conversions between what the windows hand to the services and what Qt's dialogs expect.
#pragma once

#include <string>
#include <string_view>

namespace hl {

/// Turns a classic "Mtg Files (*.mtg)|*.mtg" filter (description and pattern pairs separated by
/// "|", patterns of one pair separated by ";") into Qt's "Mtg Files (*.mtg)" form, filters
/// separated by ";;". A description that already ends with its own patterns in parentheses keeps
/// them once; any other description gets the patterns appended, since Qt takes the patterns from
/// the last parentheses of each filter.
std::string DialogFilter(std::string_view classic);

/// Turns the line breaks of a message ("\r" alone, or "\r\n") into "\n".
std::string MessageLines(std::string_view text);

/// Adds "." and the extension to a path whose file name has no extension; a name with a dot,
/// an empty name or an empty extension leave the path as it is. The extension may be given with
/// or without its dot.
std::string WithDefaultExtension(std::string_view path, std::string_view extension);

/// The anchor in the help page for a help context number: "ctx510"; "" for 0 (the contents,
/// the top of the page) and for negative numbers.
std::string HelpAnchor(int context);

/// The help page of the program: "help/hearthline-help.html" in the program folder, trimmed of
/// blanks. A "/" goes between folder and name unless the folder already ends with "/" or "\\";
/// an empty folder gives the bare relative path.
std::string HelpFilePath(std::string_view programFolder);

} // namespace hl
