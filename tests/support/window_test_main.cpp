// The main of every window test program: offscreen platform, private runtime folder, the
// application, a modal-dialog watchdog, then the registered QtTest object.
#include "support/window_test_main.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/modal_watchdog.h"

namespace hl::test {
namespace {

struct Registration {
    std::string className;
    std::string sourceFile;
    WindowTestFactory make;
};

// A function's static rather than a global: registrations run during static initialisation, in
// no set order between files.
Registration& Registered() {
    static Registration registration;
    return registration;
}

} // namespace

bool RegisterWindowTest(const char* className, const char* sourceFile, WindowTestFactory make) {
    Registration& r = Registered();
    if (r.make) {
        std::fprintf(stderr, "HL_WINDOW_TEST(%s): this program already runs %s\n", className,
                     r.className.c_str());
        std::abort();
    }
    r = Registration{className, sourceFile, std::move(make)};
    return true;
}

} // namespace hl::test

int main(int argc, char** argv) {
    const hl::test::Registration& test = hl::test::Registered();
    if (!test.make) {
        std::fprintf(stderr, "no test object: the program needs one HL_WINDOW_TEST line\n");
        return 1;
    }

    // Both must be in place before the application starts; a value already set is kept, so that
    // a run can still be watched on a real display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // QTemporaryDir creates its folder for the owner only, as Qt wants of a runtime folder; it
    // is removed after the application is gone.
    std::unique_ptr<QTemporaryDir> runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtimeFolder = std::make_unique<QTemporaryDir>();
        if (runtimeFolder->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
    }

    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);

    hl::test::ModalWatchdog watchdog;
    const std::unique_ptr<QObject> testObject = test.make();
    QTest::setMainSourcePath(test.sourceFile.c_str());
    return QTest::qExec(testObject.get(), argc, argv);
}
