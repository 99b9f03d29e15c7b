// The engine's warnings shown to the user as OK message boxes, and the message of a schedule
// whose working files could not be written.
#pragma once

#include <string>

#include "core/translate.h"
#include "engine/engine.h"
#include "engine/schedule_file.h"
#include "platform/services.h"

namespace hl {

inline constexpr const char* kWorkingFileErrorTitle =
    HL_TR_NOOP("Engine Messages", "Mtge Error Trap");

/// Beeps and tells the user that the schedule's working files could not be written in `folder`:
/// the window shows the run, but reports and other windows cannot read it.
inline void TellScheduleNotWritten(Services& services, const std::string& folder) {
    services.Beep();
    services.Tell(TrText("Engine Messages", kWorkingFileErrorTitle),
                  TrArg(TrText("Engine Messages",
                               "The payment schedule could not be written to the working folder "
                               "%1.\rThe schedule shown is correct, but reports and graphs that "
                               "read the schedule file will not find it."),
                        folder));
}

/// Passes each engine warning to the services as an OK box with the engine's own title.
class ServicesMessages : public EngineMessages {
  public:
    explicit ServicesMessages(Services& services) : services_(services) {}
    void Warning(const std::string& title, const std::string& text) override {
        services_.Tell(title, text);
    }

  private:
    Services& services_;
};

/// Runs the schedule with its warnings shown, and writes its working files for the reports and
/// the windows that read them, telling the user when they cannot be written.
inline ScheduleRun RunAndWriteSchedule(const EngineInputs& inputs, const std::string& folder,
                                       Services& services) {
    ServicesMessages messages(services);
    ScheduleRun run = RunSchedule(inputs, messages);
    if (!WriteScheduleFiles(folder, run))
        TellScheduleNotWritten(services, folder);
    return run;
}

} // namespace hl
