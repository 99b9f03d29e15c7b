// One study, scripted services, a fake main window and a private working folder: what a window
// under test is given.
#pragma once

#include "files/working_files.h"
#include "support/fake_host.h"
#include "support/scripted_services.h"
#include "support/temp_folder.h"
#include "windowkit/app_context.h"

namespace hl::test {

struct WindowTestBed {
    WindowTestBed() {
        session.folder = folder.Prefix();
        session.ResetScenario();
        ResetToolFiles(session.folder);
    }
    TempFolder folder;
    Session session;
    ScriptedServices services;
    FakeHost host;
    AppContext context{session, services, host};
};

} // namespace hl::test
