// The about box.
#include "app/about_window.h"

#include <QVBoxLayout>

namespace hl {

AboutWindow::AboutWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form17, tr("About"), parent) {
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(tr("Hearthline, version 2.0"), this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    auto* contact = new QLabel(tr("Analysis of Canadian residential mortgages."), this);
    contact->setObjectName("Label2");
    contact->setAlignment(Qt::AlignCenter);
    contact->setWordWrap(true); // a wider system font wraps the line rather than cut it
    Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName("Command1");
    layout->addWidget(Label1);
    layout->addWidget(contact);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    PlaceInTwips(1500, 1000, 5400, 2400);
    connect(Command1, &QPushButton::clicked, this, &ChildWindow::Unload);
}

} // namespace hl
