// The services of the running program, on Qt's message boxes, dialogs, clipboard and cursor.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>

#include "platform/services.h"

class QPrinter;
class QTextBrowser;

namespace hl {

class QtServices : public Services {
  public:
    /// `helpFile` is the help page (HelpFilePath of the program folder); `parent` is the window
    /// the dialogs belong to, usually the main window (it may come later, see SetParentWindow).
    explicit QtServices(std::string helpFile = {}, QWidget* parent = nullptr);
    /// Closes the help window; must run while the QApplication still exists.
    ~QtServices() override;
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    /// The window that message boxes and dialogs are centred on and modal to.
    void SetParentWindow(QWidget* parent);
    /// The help page that ShowHelp opens.
    void SetHelpFile(std::string path);
    const std::string& HelpFile() const { return helpFile_; }

    /// The printer chosen in the set-up dialog (the default printer until then); printing draws
    /// on it so that the set-up choice holds.
    QPrinter& Printer();

    MessageAnswer Ask(const std::string& title, const std::string& text,
                      MessageButtons buttons) override;
    void Beep() override;
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
    /// Shows the help page in the program's own help window (object name "HelpWindow"),
    /// scrolled to the anchor of the context number.
    void ShowHelp(int context) override;
    void CloseHelp() override;
    /// QSettings of the organisation and program names: ~/.config/Hearthline/Hearthline.conf.
    std::vector<std::string> SettingList(const std::string& key) override;
    void SetSettingList(const std::string& key, const std::vector<std::string>& list) override;
    /// QStandardPaths::AppDataLocation: ~/.local/share/Hearthline (XDG_DATA_HOME).
    std::string DataFolder() override;

  private:
    std::optional<std::string> AskFile(bool save, const std::string& filter,
                                       const std::string& defaultExtension,
                                       const std::string& initialName);

    QPointer<QWidget> parent_;
    std::string helpFile_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QTextBrowser> help_;
    QString lastFolder_; ///< folder of the last file chosen, where the next dialog starts
    int busyDepth_ = 0;
};

} // namespace hl
