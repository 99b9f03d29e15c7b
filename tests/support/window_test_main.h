// The one main of every window test program: registers a QtTest object to be run by it.
//
// A window test file declares its test class and registers it with one line, and has no main of
// its own:
//
//     class SummaryWindowTest : public QObject {
//         Q_OBJECT
//       private slots:
//         void showsTheTotals();
//     };
//
//     void SummaryWindowTest::showsTheTotals() { ... }
//
//     HL_WINDOW_TEST(SummaryWindowTest)
//     #include "summary_window_test.moc"
//
// A class inside a namespace is registered by its qualified name, after the namespace:
// `HL_WINDOW_TEST(hl::EstimateWindowTest)`. Build the program with hl_qtest() in
// tests/CMakeLists.txt, which links the main (window_test_main.cpp). Before it creates the test
// object, the main:
// - chooses the offscreen platform when QT_QPA_PLATFORM is not set, so that the program also runs
//   by hand, without a display or the environment ctest gives it;
// - gives Qt a private runtime folder when XDG_RUNTIME_DIR is not set;
// - creates the QApplication, as QTEST_MAIN would;
// - starts a ModalWatchdog (support/modal_watchdog.h) that lives through every test function: a
//   real modal dialog is closed and fails the function that opened it, instead of hanging the
//   run. Test functions therefore need no watchdog of their own; one that opens a dialog on
//   purpose makes a local ModalWatchdog (OnDialog::Record, say), which acts instead of the main's
//   while it lives.
// Command-line options are QtTest's own (-functions, a function name, -o ...).
#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace hl::test {

/// Builds the test object; called once, after the application exists.
using WindowTestFactory = std::function<std::unique_ptr<QObject>()>;

/// Records the program's one test object for the main; `sourceFile` serves QFINDTESTDATA.
/// Returns true so that it can initialise a static; a second registration stops the program.
bool RegisterWindowTest(const char* className, const char* sourceFile, WindowTestFactory make);

} // namespace hl::test

/// Makes `TestClass` (a QObject with QtTest's private slots) the test object of this program.
#define HL_WINDOW_TEST(TestClass)                                                                  \
    [[maybe_unused]] static const bool hlWindowTestRegistered =                                    \
        ::hl::test::RegisterWindowTest(#TestClass, __FILE__, []() -> std::unique_ptr<QObject> {    \
            return std::make_unique<TestClass>();                                                  \
        });
