// Text conversions for the Qt services: dialog filters, message line breaks, default extensions.
#include "platform/qt/qt_text.h"

#include <vector>

namespace hl {
namespace {

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = s.find(separator);
        parts.push_back(s.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        s.remove_prefix(at + 1);
    }
}

// "*.txt; *.doc" -> "*.txt *.doc": Qt separates the patterns of one filter by blanks.
std::string QtPatterns(std::string_view patterns) {
    std::string out;
    for (std::string_view one : Split(patterns, ';')) {
        for (std::string_view word : Split(one, ' ')) {
            if (word.empty())
                continue;
            if (!out.empty())
                out += ' ';
            out += word;
        }
    }
    return out;
}

std::string OneFilter(std::string_view description, std::string_view patterns) {
    description = Trim(description);
    const std::string qtPatterns = QtPatterns(patterns);
    if (description.empty())
        return qtPatterns;
    if (qtPatterns.empty())
        return std::string(description);
    if (description.back() == ')') {
        const auto open = description.rfind('(');
        if (open != std::string_view::npos) {
            const auto inner = description.substr(open + 1, description.size() - open - 2);
            if (QtPatterns(inner) == qtPatterns)
                return std::string(description.substr(0, open)) + "(" + qtPatterns + ")";
        }
    }
    return std::string(description) + " (" + qtPatterns + ")";
}

} // namespace

std::string DialogFilter(std::string_view classic) {
    const std::vector<std::string_view> parts = Split(classic, '|');
    std::string out;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        // A description left without its pattern stands for itself.
        const std::string one =
            i + 1 < parts.size() ? OneFilter(parts[i], parts[i + 1]) : std::string(Trim(parts[i]));
        if (one.empty())
            continue;
        if (!out.empty())
            out += ";;";
        out += one;
    }
    return out;
}

std::string MessageLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return out;
}

std::string WithDefaultExtension(std::string_view path, std::string_view extension) {
    if (!extension.empty() && extension.front() == '.')
        extension.remove_prefix(1);
    const auto slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (extension.empty() || name.empty() || name.find('.') != std::string_view::npos)
        return std::string(path);
    return std::string(path) + "." + std::string(extension);
}

std::string HelpAnchor(int context) {
    if (context <= 0)
        return {};
    return "ctx" + std::to_string(context);
}

std::string HelpFilePath(std::string_view programFolder) {
    std::string path(Trim(programFolder));
    if (!path.empty() && path.back() != '/' && path.back() != '\\')
        path += '/';
    return path + "help/hearthline-help.html";
}

} // namespace hl
