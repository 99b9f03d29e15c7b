// Running a command so that every way it can fail ends in one line and status 2.
#include "cli/guarded_run.h"

#include <exception>
#include <ostream>
#include <string>

#include "cli/options.h"

namespace hl {

int RunGuarded(const std::function<int()>& command, std::ostream& out, std::ostream& err) {
    int status = cli::kBadInput;
    try {
        status = command();
    } catch (const std::exception& e) {
        status = cli::Fail(err, std::string("the command failed: ") + e.what());
    } catch (...) {
        status = cli::Fail(err, "the command failed");
    }
    // A full disk or a closed pipe shows only now: figures cut short must not pass as done.
    out.flush();
    if (!out) {
        out.clear();
        return cli::Fail(err, "cannot write the output");
    }
    return status;
}

} // namespace hl
