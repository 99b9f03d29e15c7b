// Small makers and accessors the windows share for their named controls.
#pragma once

#include <string>

class QLabel;
class QString;
class QLineEdit;
class QPushButton;
class QWidget;

namespace hl {

/// A caption named `name` (its objectName), showing `caption` (a translated text, or a plain
/// one shown as it is).
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption);
QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption);
/// A box named `name` that only shows figures, `widthTwips` wide.
QLineEdit* MakeShowingBox(QWidget* parent, const char* name, int widthTwips);
/// A button named `name`, showing `caption`.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption);

/// A box's text, and a text put in a box.
std::string TextOf(const QLineEdit* box);
void Put(QLineEdit* box, const std::string& text);

} // namespace hl
