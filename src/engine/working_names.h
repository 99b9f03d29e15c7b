// Names of the engine's working files in the working folder.
#pragma once

namespace hl {

inline constexpr const char* kScheduleFile = "$$temp.bin";  ///< the schedule of the last run
inline constexpr const char* kPayoffFile = "$$donerly.bin"; ///< the pay-off line of a paid-off run
inline constexpr const char* kScratchFile = "$$tx2.bin";    ///< exists only during a header rewrite
inline constexpr const char* kParkedChangesFile = "$$xptemp.bin";

} // namespace hl
