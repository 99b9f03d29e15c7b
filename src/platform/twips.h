// Window and control sizes are given in twips (1/1440 inch); the screen's logical DPI turns
// them into pixels.
#pragma once

class QWidget;

namespace hl {

/// Pixels for a length in twips on the primary screen.
int Twips(int twips);

/// Places a widget at left, top with width and height, all in twips.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

} // namespace hl
