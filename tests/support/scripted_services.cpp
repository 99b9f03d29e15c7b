// The scripted services: queued answers out, recorded questions in.
#include "support/scripted_services.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

namespace hl::test {
namespace {

const char* ButtonsName(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return "OK";
    case MessageButtons::YesNo:
        return "Yes/No";
    case MessageButtons::YesNoCancel:
        break;
    }
    return "Yes/No/Cancel";
}

// A file dialog takes the next queued path; with none queued the user "cancels", which is the
// harmless outcome, and the test hears about it through Unexpected().
std::optional<std::string> NextFile(std::deque<std::optional<std::string>>& queue,
                                    std::vector<std::string>& unexpected, const char* dialog,
                                    const std::string& filter) {
    if (queue.empty()) {
        unexpected.push_back(std::string(dialog) + " dialog with nothing queued (filter \"" +
                             filter + "\")");
        return std::nullopt;
    }
    std::optional<std::string> path = std::move(queue.front());
    queue.pop_front();
    return path;
}

} // namespace

const char* AnswerName(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return "OK";
    case MessageAnswer::Yes:
        return "Yes";
    case MessageAnswer::No:
        return "No";
    case MessageAnswer::Cancel:
        break;
    }
    return "Cancel";
}

void ScriptedServices::QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }

void ScriptedServices::QueueOpenFile(std::optional<std::string> path) {
    openFiles_.push_back(std::move(path));
}

void ScriptedServices::QueueSaveFile(std::optional<std::string> path) {
    saveFiles_.push_back(std::move(path));
}

void ScriptedServices::QueuePrinterSetup(bool accepted) { printerAnswers_.push_back(accepted); }

std::vector<std::string> ScriptedServices::MessageTexts() const {
    std::vector<std::string> texts;
    for (const AskedMessage& m : messages_)
        texts.push_back(m.text);
    return texts;
}

bool ScriptedServices::ScriptUsedUp() const {
    return answers_.empty() && openFiles_.empty() && saveFiles_.empty() &&
           printerAnswers_.empty() && printCancels_ == 0;
}

MessageAnswer ScriptedServices::Ask(const std::string& title, const std::string& text,
                                    MessageButtons buttons) {
    MessageAnswer answer = DismissedAnswer(buttons);
    if (buttons != MessageButtons::Ok) {
        const std::string what =
            std::string(ButtonsName(buttons)) + " question \"" + title + "\": \"" + text + "\"";
        if (answers_.empty()) {
            unexpected_.push_back(what + " with no answer queued");
        } else {
            const MessageAnswer queued = answers_.front();
            answers_.pop_front();
            if (Offers(buttons, queued))
                answer = queued;
            else
                unexpected_.push_back(what + " cannot answer " + AnswerName(queued));
        }
    }
    messages_.push_back({title, text, buttons, answer});
    return answer;
}

std::optional<std::string> ScriptedServices::AskOpenFile(const std::string& filter,
                                                         const std::string& defaultExtension,
                                                         const std::string& initialName) {
    openDialogs_.push_back({filter, defaultExtension, initialName});
    return NextFile(openFiles_, unexpected_, "open", filter);
}

std::optional<std::string> ScriptedServices::AskSaveFile(const std::string& filter,
                                                         const std::string& defaultExtension,
                                                         const std::string& initialName) {
    saveDialogs_.push_back({filter, defaultExtension, initialName});
    return NextFile(saveFiles_, unexpected_, "save", filter);
}

void ScriptedServices::QueuePrintCancel() { ++printCancels_; }

namespace {

// Pages of a PDF file as the PDF writer writes them: one page object each.
int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

} // namespace

PrintResult ScriptedServices::PrintDocument(const std::string& name,
                                            const std::function<bool(QPrinter&)>& draw) {
    ++printDialogs_;
    if (printCancels_ > 0) {
        --printCancels_;
        return PrintResult::Cancelled;
    }
    if (!printFolder_)
        printFolder_ = std::make_unique<QTemporaryDir>();
    const QString path =
        printFolder_->filePath(QStringLiteral("printed-%1.pdf").arg(printed_.size() + 1));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setDocName(QString::fromStdString(name));
    if (!draw(printer))
        return PrintResult::Failed;
    printed_.push_back({name, path.toStdString(), 0});
    // The file is complete once the painter that drew it has ended.
    printed_.back().pages = PdfPages(path);
    return PrintResult::Printed;
}

bool ScriptedServices::AskPrinterSetup() {
    ++printerSetups_;
    if (printerAnswers_.empty()) {
        unexpected_.push_back("printer set-up dialog with nothing queued");
        return false;
    }
    const bool accepted = printerAnswers_.front();
    printerAnswers_.pop_front();
    return accepted;
}

void ScriptedServices::ClearClipboard() {
    ++clipboardClears_;
    clipboardText_.reset();
    clipboardImage_ = QImage();
}

// Like the real clipboard, new contents replace whatever was there, text or picture.
void ScriptedServices::SetClipboardText(const std::string& text) {
    clipboardImage_ = QImage();
    clipboardText_ = text;
}

void ScriptedServices::SetClipboardImage(const QImage& image) {
    clipboardText_.reset();
    clipboardImage_ = image;
}

void ScriptedServices::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0)
            ++busySpells_;
    } else if (busyDepth_ > 0) {
        --busyDepth_;
    }
}

void ScriptedServices::ShowHelp(int context) {
    helpShown_.push_back(context);
    helpOpen_ = true;
}

void ScriptedServices::CloseHelp() {
    ++helpCloses_;
    helpOpen_ = false;
}

std::vector<std::string> ScriptedServices::SettingList(const std::string& key) {
    const auto it = settings_.find(key);
    return it == settings_.end() ? std::vector<std::string>{} : it->second;
}

void ScriptedServices::SetSettingList(const std::string& key,
                                      const std::vector<std::string>& list) {
    settings_[key] = list;
}

std::string ScriptedServices::DataFolder() {
    if (!dataFolder_)
        dataFolder_ = std::make_unique<QTemporaryDir>();
    return dataFolder_->path().toStdString() + "/";
}

} // namespace hl::test
