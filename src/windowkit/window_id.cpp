// Window ids and their object names.
#include "windowkit/window_id.h"

#include <array>

namespace hl {
namespace {

constexpr std::array<const char*, 18> kNames = {
    "Form2",  "Form3",  "Form4",  "Form5",  "Form6",  "Form7",  "Form8",  "Form9",  "Form10",
    "Form11", "Form12", "Form13", "Form14", "Form15", "Form16", "Form17", "Form18", "Form19"};

} // namespace

const char* WindowName(WindowId id) { return kNames[static_cast<std::size_t>(id)]; }

std::optional<WindowId> WindowNamed(std::string_view name) {
    for (std::size_t k = 0; k < kNames.size(); ++k)
        if (name == kNames[k])
            return static_cast<WindowId>(k);
    return std::nullopt;
}

} // namespace hl
