// Looking up the window table.
#include "windowkit/window_registry.h"

#include "windowkit/child_window.h"
#include "windowkit/window_host.h"

namespace hl {

const WindowRow* FindRow(const WindowRegistry& registry, WindowId id) {
    for (const WindowRow& row : registry)
        if (row.id == id)
            return &row;
    return nullptr;
}

bool WindowHost::IsActive(WindowId id) const {
    const ChildWindow* active = ActiveChild();
    return active && active->Id() == id;
}

} // namespace hl
