// The about box `Form17`: the product name and an OK button that closes it.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "windowkit/child_window.h"

namespace hl {

class AboutWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit AboutWindow(AppContext& context, QWidget* parent = nullptr);

    QLabel* Label1;        ///< "Hearthline, version 2.0"
    QPushButton* Command1; ///< "OK"
};

} // namespace hl
