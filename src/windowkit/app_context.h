// Everything a window is given: the study's state, the services that talk to the user, and the
// main window that hosts it.
#pragma once

#include "platform/services.h"
#include "scenario/session.h"
#include "windowkit/window_host.h"

namespace hl {

struct AppContext {
    Session& session;
    Services& services;
    WindowHost& host;
};

} // namespace hl
