// The inputs of the seven tool windows, as their working files and the study file hold them: one
// table row per tool file says its name and its items, and everything else is read from the row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/single.h"

namespace hl {

/// The tool files, in the order of their sections in the study file.
enum class ToolFile { Estimate, ScheduleOption, Refinance, Discharge, Shopper, Compare, Solver };

/// How a blank text box is stored: one blank, as the windows have always written it.
inline constexpr std::string_view kBlankText = " ";

enum class ItemKind {
    Text,         ///< a quoted text, blank " "
    Day,          ///< a day number, blank 0
    Option,       ///< a whole number within lo..hi (a grid option, a check box), blank as given
    TrailingText, ///< a text a working file may leave out at its end (blank " ")
    Groups,       ///< a count within 0..hi, then that many (single, single, day number) groups
};

/// `count` items of one kind, one per line. `what` names them in a reader's error message.
struct ItemRun {
    ItemKind kind = ItemKind::Text;
    int count = 0;
    int lo = 0;
    int hi = 0;
    int blank = 0;
    const char* what = "";
};

/// A tool file's items in order, as a short list of runs.
class ItemLayout {
  public:
    constexpr ItemLayout(std::initializer_list<ItemRun> runs) {
        for (const ItemRun& r : runs)
            runs_[size_++] = r;
    }
    constexpr const ItemRun* begin() const { return runs_.data(); }
    constexpr const ItemRun* end() const { return runs_.data() + size_; }

  private:
    std::array<ItemRun, 6> runs_{};
    std::size_t size_ = 0;
};

/// One tool file. `quitRank` orders the deletion at Quit, which has its own order.
struct ToolFileRow {
    ToolFile id;
    const char* name;
    int quitRank;
    ItemLayout items;
};

/// Every tool file, in the study file's order (the order of ToolFile).
std::span<const ToolFileRow> ToolFileRows();
const ToolFileRow& RowOf(ToolFile file);
inline const char* ToolFileName(ToolFile file) { return RowOf(file).name; }

/// A group of the compare file: a lump, a change to the payment and its date.
struct ToolGroup {
    Single lump = 0;
    Single change = 0;
    DayNumber date = 0;
    bool operator==(const ToolGroup&) const = default;
};

/// The values of one tool file. Item i is the i-th item of the file (groups apart), read with
/// the accessor of its kind: Text for texts, Whole for options, Day for day numbers.
class ToolSection {
  public:
    /// The blank contents: " " texts, day numbers 0, each option at its blank code, no groups.
    explicit ToolSection(ToolFile file);

    ToolFile File() const { return file_; }
    std::size_t Size() const { return items_.size(); }

    const std::string& Text(std::size_t i) const { return std::get<std::string>(items_.at(i)); }
    std::int32_t Whole(std::size_t i) const { return std::get<std::int32_t>(items_.at(i)); }
    DayNumber Day(std::size_t i) const { return Whole(i); }
    void SetText(std::size_t i, std::string text) {
        std::get<std::string>(items_.at(i)) = std::move(text);
    }
    void SetWhole(std::size_t i, std::int32_t value) {
        std::get<std::int32_t>(items_.at(i)) = value;
    }
    void SetDay(std::size_t i, DayNumber day) { SetWhole(i, day); }

    std::vector<ToolGroup> groups; ///< only a file with a Groups run writes them

    bool operator==(const ToolSection&) const = default;

  private:
    ToolFile file_;
    std::vector<std::variant<std::string, std::int32_t>> items_;
};

/// All seven sections, one per tool file.
class ToolSections {
  public:
    ToolSections(); ///< blank contents
    ToolSection& operator[](ToolFile file) { return sections_.at(static_cast<std::size_t>(file)); }
    const ToolSection& operator[](ToolFile file) const {
        return sections_.at(static_cast<std::size_t>(file));
    }
    auto begin() const { return sections_.begin(); }
    auto end() const { return sections_.end(); }
    bool operator==(const ToolSections&) const = default;

  private:
    std::vector<ToolSection> sections_;
};

/// The blank contents written at start-up and by New.
inline ToolSections BlankToolSections() { return ToolSections(); }

} // namespace hl
