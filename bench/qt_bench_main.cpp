// The main of the benchmarks that draw: Qt's offscreen platform unless another is named, and
// the platform's warning on every window shown left out, so the figures are easier to read.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>

namespace {

QtMessageHandler standardHandler = nullptr;

void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QStringLiteral("propagateSizeHints")))
        return;
    if (standardHandler)
        standardHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(QuietOffscreen);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
