// Services for tests: answers are queued by the test, every question and call is recorded, and
// nothing ever waits for a user.
#pragma once

#include <QImage>
#include <QTemporaryDir>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace hl::test {

/// One message box as a window asked it.
struct AskedMessage {
    std::string title;
    std::string text; ///< as the window built it, line breaks still "\r"
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer answer = MessageAnswer::Ok; ///< what the window was told
    bool operator==(const AskedMessage&) const = default;
};

/// One file dialog as a window opened it.
struct AskedFile {
    std::string filter;
    std::string defaultExtension;
    std::string initialName;
    bool operator==(const AskedFile&) const = default;
};

class ScriptedServices : public Services {
  public:
    /// The answer to the next Yes/No or Yes/No/Cancel question. OK boxes never take a queued
    /// answer: they are acknowledged without one.
    void QueueAnswer(MessageAnswer answer);
    /// The result of the next open dialog (nothing = the user cancels).
    void QueueOpenFile(std::optional<std::string> path);
    /// The result of the next save dialog (nothing = the user cancels).
    void QueueSaveFile(std::optional<std::string> path);
    /// The result of the next printer set-up dialog (false = the user cancels).
    void QueuePrinterSetup(bool accepted);

    /// The next print dialog is cancelled (by default every print dialog is accepted and the
    /// document written as a PDF file).
    void QueuePrintCancel();

    /// One printed document: its name and the PDF file it was written to.
    struct PrintedDocument {
        std::string name;
        std::string pdfPath;
        int pages = 0; ///< pages of the PDF file
    };
    const std::vector<PrintedDocument>& Printed() const { return printed_; }
    int PrintDialogs() const { return printDialogs_; }

    /// Every message box asked, in order.
    const std::vector<AskedMessage>& Messages() const { return messages_; }
    /// The texts of the message boxes, in order: the short form for asserting exact wording.
    std::vector<std::string> MessageTexts() const;
    /// Forgets the recorded messages (queues and other records stay).
    void ClearMessages() { messages_.clear(); }

    /// What went against the script: a question with no queued answer, a queued answer that the
    /// box does not offer, a dialog with nothing queued. One readable line each; a test that
    /// follows its script ends with this empty.
    const std::vector<std::string>& Unexpected() const { return unexpected_; }
    /// True when every queued answer, file and printer choice was used.
    bool ScriptUsedUp() const;

    int Beeps() const { return beeps_; }
    const std::vector<AskedFile>& OpenDialogs() const { return openDialogs_; }
    const std::vector<AskedFile>& SaveDialogs() const { return saveDialogs_; }
    int PrinterSetups() const { return printerSetups_; }

    /// The clipboard as the program left it: text, a picture, or neither after a clear.
    const std::optional<std::string>& ClipboardText() const { return clipboardText_; }
    const QImage& ClipboardImage() const { return clipboardImage_; }
    int ClipboardClears() const { return clipboardClears_; }

    /// How deep the busy pointer is nested now (0 = normal pointer), and how often it went busy.
    int BusyDepth() const { return busyDepth_; }
    int BusySpells() const { return busySpells_; }

    /// The context numbers of ShowHelp, in order; whether help is open now; CloseHelp calls.
    const std::vector<int>& HelpShown() const { return helpShown_; }
    bool HelpOpen() const { return helpOpen_; }
    int HelpCloses() const { return helpCloses_; }

    MessageAnswer Ask(const std::string& title, const std::string& text,
                      MessageButtons buttons) override;
    void Beep() override { ++beeps_; }
    std::optional<std::string> AskOpenFile(const std::string& filter,
                                           const std::string& defaultExtension,
                                           const std::string& initialName) override;
    std::optional<std::string> AskSaveFile(const std::string& filter,
                                           const std::string& defaultExtension,
                                           const std::string& initialName) override;
    bool AskPrinterSetup() override;
    PrintResult PrintDocument(const std::string& name,
                              const std::function<bool(QPrinter&)>& draw) override;
    void ClearClipboard() override;
    void SetClipboardText(const std::string& text) override;
    void SetClipboardImage(const QImage& image) override;
    void SetBusy(bool busy) override;
    void ShowHelp(int context) override;
    void CloseHelp() override;
    /// Settings kept in memory; the data folder is a temporary folder of these services.
    std::vector<std::string> SettingList(const std::string& key) override;
    void SetSettingList(const std::string& key, const std::vector<std::string>& list) override;
    std::string DataFolder() override;

  private:
    std::map<std::string, std::vector<std::string>> settings_;
    std::unique_ptr<QTemporaryDir> dataFolder_;
    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<std::string>> openFiles_;
    std::deque<std::optional<std::string>> saveFiles_;
    std::deque<bool> printerAnswers_;

    int printCancels_ = 0;
    int printDialogs_ = 0;
    std::vector<PrintedDocument> printed_;
    std::unique_ptr<QTemporaryDir> printFolder_;

    std::vector<AskedMessage> messages_;
    std::vector<std::string> unexpected_;
    int beeps_ = 0;
    std::vector<AskedFile> openDialogs_;
    std::vector<AskedFile> saveDialogs_;
    int printerSetups_ = 0;
    std::optional<std::string> clipboardText_;
    QImage clipboardImage_;
    int clipboardClears_ = 0;
    int busyDepth_ = 0;
    int busySpells_ = 0;
    std::vector<int> helpShown_;
    bool helpOpen_ = false;
    int helpCloses_ = 0;
};

/// "Yes", "No"... for failure messages.
const char* AnswerName(MessageAnswer answer);

} // namespace hl::test
