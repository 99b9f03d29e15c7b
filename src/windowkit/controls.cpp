// Shared control makers.
#include "windowkit/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/twips.h"

namespace hl {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* MakeShowingBox(QWidget* parent, const char* name, int widthTwips) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFixedWidth(Twips(widthTwips));
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

std::string TextOf(const QLineEdit* box) { return box->text().toStdString(); }

void Put(QLineEdit* box, const std::string& text) { box->setText(QString::fromStdString(text)); }

} // namespace hl
