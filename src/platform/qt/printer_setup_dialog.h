// The printer set-up dialog: which printer the reports go to, the paper and its orientation.
// It only chooses; nothing is printed until a print command runs.
#pragma once

#include <QDialog>

class QComboBox;
class QPrinter;
class QRadioButton;

namespace hl {

class PrinterSetupDialog : public QDialog {
    Q_OBJECT
  public:
    /// Shows the choices `printer` holds now; accepting writes the new ones into it.
    explicit PrinterSetupDialog(QPrinter& printer, QWidget* parent = nullptr);

    /// The name printing to a PDF file goes under in the printer list.
    static QString FileChoice();

    QComboBox* Printers;    ///< the system's printers, then printing to a file
    QComboBox* Paper;       ///< Letter, Legal, A4
    QRadioButton* Portrait; ///< orientation
    QRadioButton* Landscape;

  private:
    void Apply();

    QPrinter& printer_;
};

} // namespace hl
