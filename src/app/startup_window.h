// The start-up box `Form1` (caption "About"): the product, the note on its use, and OK.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace hl {

class StartupWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StartupWindow(QWidget* parent = nullptr);

    QLabel* Label1;        ///< "Hearthline ,2.0"
    QLabel* Label2;        ///< the Canadian-mortgages line
    QLabel* Label3;        ///< the note that the maker takes no responsibility
    QPushButton* Command1; ///< "OK": on to the input form

  signals:
    void accepted();
};

/// The about box `Form17` is built by AboutWindow() in window_factories.cpp.

} // namespace hl
