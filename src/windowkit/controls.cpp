// Shared control makers.
#include "windowkit/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/twips.h"

namespace hl {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption) {
    return MakeLabel(parent, name, QString::fromLatin1(caption));
}

QLineEdit* MakeShowingBox(QWidget* parent, const char* name, int widthTwips) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFixedWidth(Twips(widthTwips));
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    return MakeButton(parent, name, QString::fromLatin1(caption));
}

std::string TextOf(const QLineEdit* box) { return box->text().toStdString(); }

void Put(QLineEdit* box, const std::string& text) { box->setText(QString::fromStdString(text)); }

} // namespace hl
