// The start-up box.
#include "app/startup_window.h"

#include <QVBoxLayout>

#include "platform/twips.h"

namespace hl {

StartupWindow::StartupWindow(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle(tr("About"));
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(tr("Hearthline ,2.0"), this);
    Label1->setObjectName("Label1");
    QFont big = Label1->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    Label1->setFont(big);
    Label1->setAlignment(Qt::AlignCenter);
    Label2 =
        new QLabel(tr("This version is designed specifically for Canadian mortgages !!!!"), this);
    Label2->setObjectName("Label2");
    Label2->setAlignment(Qt::AlignCenter);
    Label3 = new QLabel(tr("This program is a personal analysis tool. Its maker takes no "
                           "responsibility for its use or for the results it gives; check every "
                           "figure with your lender before you act on it."),
                        this);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignCenter);
    Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    layout->addWidget(Label1);
    layout->addSpacing(Twips(120));
    layout->addWidget(Label2);
    layout->addSpacing(Twips(120));
    layout->addWidget(Label3);
    layout->addSpacing(Twips(120));
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    resize(Twips(6000), Twips(3000));
    connect(Command1, &QPushButton::clicked, this, [this] {
        emit accepted();
        close();
    });
}

} // namespace hl
