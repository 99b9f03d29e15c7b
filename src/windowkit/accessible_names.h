// The names a screen reader gives the boxes of a window, taken from the captions beside them.
#pragma once

#include <QString>

class QWidget;

namespace hl {

/// The name of a box whose caption reads `caption`: the caption up to its colon, without the
/// example in brackets, the "&" of a shortcut or runs of blanks. "Mortgage Amount:" gives
/// "Mortgage Amount", "Int. Rate (eg. 11.5):" "Int. Rate", "Total Interest Paid to Date:    $"
/// "Total Interest Paid to Date".
QString CaptionName(const QString& caption);

/// Names `box` after its caption, so that a screen reader says "Mortgage Amount" rather than
/// "edit".
void NameAfterCaption(QWidget* box, const QString& caption);

} // namespace hl
