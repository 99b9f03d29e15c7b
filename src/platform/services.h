// The services every window uses to talk to the user: message boxes, beep, file and printer
// dialogs, clipboard, busy pointer and help. Windows receive them through their constructor so
// that tests can script the answers; only platform/qt touches the real dialogs.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The clipboard picture is a QImage. It is only declared here, so that this header stays free of
// Qt: the windows that copy a picture include <QImage> themselves, and nothing below the windows
// ever includes this header.
class QImage;
class QPrinter;

namespace hl {

/// How a print request ended.
enum class PrintResult { Printed, Cancelled, Failed };

/// The buttons a message box offers.
enum class MessageButtons { Ok, YesNo, YesNoCancel };

/// The button the user chose.
enum class MessageAnswer { Ok, Yes, No, Cancel };

/// The answer a box gives when it is dismissed without a choice (closed from its frame, or left
/// unanswered in a test): OK for an OK box, No for Yes/No, Cancel for Yes/No/Cancel. This is the
/// cautious answer: nothing gets saved, erased or overwritten.
inline MessageAnswer DismissedAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

/// True when a box with these buttons can give this answer.
inline bool Offers(MessageButtons buttons, MessageAnswer answer) {
    switch (buttons) {
    case MessageButtons::Ok:
        return answer == MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        break;
    }
    return answer != MessageAnswer::Ok;
}

class Services {
  public:
    virtual ~Services() = default;

    /// Shows a modal message box and waits for the answer. A line break inside the text is a
    /// single "\r", as the windows build their messages.
    virtual MessageAnswer Ask(const std::string& title, const std::string& text,
                              MessageButtons buttons) = 0;

    /// A message with an OK button only.
    void Tell(const std::string& title, const std::string& text) {
        Ask(title, text, MessageButtons::Ok);
    }

    /// Sounds the system beep.
    virtual void Beep() = 0;

    /// The open dialog. `filter` has the classic "Mtg Files (*.mtg)|*.mtg" form (description and
    /// pattern pairs separated by "|"); `defaultExtension` has no dot ("mtg") and is added to a
    /// typed name that has none; `initialName` stands in the file name box as the dialog opens
    /// ("*.mtg"). Gives the chosen path, nothing when cancelled.
    virtual std::optional<std::string> AskOpenFile(const std::string& filter,
                                                   const std::string& defaultExtension,
                                                   const std::string& initialName) = 0;

    /// The save dialog, with the same filter and default extension as AskOpenFile. The chosen
    /// file need not exist. Gives the chosen path, nothing when cancelled.
    virtual std::optional<std::string> AskSaveFile(const std::string& filter,
                                                   const std::string& defaultExtension,
                                                   const std::string& initialName) = 0;

    /// The printer set-up dialog; the choice is kept for later printing. False when cancelled.
    virtual bool AskPrinterSetup() = 0;

    /// Prints a document: the print dialog offers the system's printers and printing to a file,
    /// starting from the printer set-up's choice (which it keeps for the rest of the session);
    /// then `draw` paints the pages on the chosen printer and answers whether it could. `name`
    /// is the document's name for the print queue.
    virtual PrintResult PrintDocument(const std::string& name,
                                      const std::function<bool(QPrinter&)>& draw) = 0;

    /// Empties the clipboard.
    virtual void ClearClipboard() = 0;
    /// Puts text on the clipboard, as given (tabs between cells, line breaks between rows).
    virtual void SetClipboardText(const std::string& text) = 0;
    /// Puts a picture on the clipboard.
    virtual void SetClipboardImage(const QImage& image) = 0;

    /// Shows the busy pointer (true) or takes it back (false). Calls nest: the pointer stays busy
    /// until every SetBusy(true) has had its SetBusy(false); an extra false is ignored.
    virtual void SetBusy(bool busy) = 0;

    /// Opens the help at a help context number (510 for the File menu...), 0 for the contents.
    virtual void ShowHelp(int context) = 0;
    /// Closes any help window the program opened.
    virtual void CloseHelp() = 0;

    /// A list kept in the user's settings (the recent studies), empty when never stored.
    virtual std::vector<std::string> SettingList(const std::string& key) = 0;
    virtual void SetSettingList(const std::string& key, const std::vector<std::string>& list) = 0;
    /// The user's data folder, ending in "/", created when missing ("" when it cannot be): the
    /// recovery copies live there.
    virtual std::string DataFolder() = 0;
};

/// Keeps the busy pointer up for the lifetime of a scope, whichever way the scope is left.
class BusyPointer {
  public:
    explicit BusyPointer(Services& services) : services_(services) { services_.SetBusy(true); }
    ~BusyPointer() { services_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    Services& services_;
};

} // namespace hl
