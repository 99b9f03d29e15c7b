// The report command's PDF writer: Qt's printer on the offscreen platform, so that no display
// is needed, then the file put in place whole.
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "cli/report_command.h"
#include "core/text_items.h"
#include "print/qt/page_renderer.h"

namespace hl {
namespace {

// The fonts need a GUI application; the command line makes one the first time it prints and
// keeps it to the end of the program.
void EnsureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    static int argc = 3;
    static char name[] = "hearthline-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    // Qt's notes about the environment (no runtime folder, no display) are not the command's
    // output: standard error keeps to the command's own lines.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "hearthline-cli: %s\n", qPrintable(text));
    });
    new QGuiApplication(argc, argv); // never deleted: it lives as long as the program
}

std::optional<std::string> WriteReportPdf(const Report& report, const std::string& path) {
    EnsureGuiApplication();
    // The printer writes a scratch file; the finished document then replaces the target in
    // one step, so that a reader never finds half a PDF. The scratch folder is named as ours,
    // so that one left by a report killed half-way goes at the next report.
    const QString temp = QDir::tempPath();
    RemoveDeadLeftovers(temp.toStdString());
    QTemporaryDir scratch(temp + "/" + QString::fromStdString(ScratchName("XXXXXX")));
    if (!scratch.isValid())
        return "cannot make a scratch folder to print into";
    const QString draft = scratch.filePath(QStringLiteral("report.pdf"));
    if (!WritePdf(report, draft))
        return "cannot print the report to PDF";
    std::string contents;
    try {
        contents = ReadWholeFile(draft.toStdString());
    } catch (const ItemFormatError&) {
        return "cannot read back the printed report";
    }
    if (!WriteFileAtomically(path, contents))
        return "cannot write " + path;
    return std::nullopt;
}

} // namespace

PdfWriter DefaultPdfWriter() { return WriteReportPdf; }

} // namespace hl
