#pragma once
// Colours that carry meaning (the category colours of the holiday lists, error texts, found words)
// stay readable on whatever background the desktop's theme gives: a colour too close to its
// background is lightened on a dark one and darkened on a light one, keeping its hue.

#include <QColor>

class QWidget;

namespace orv {

// The contrast ratio of two colours, 1 (the same) to 21 (black on white), from their luminance.
double ContrastRatio(const QColor& a, const QColor& b);
// `colour` itself when it reads well on `background` (a ratio of at least 4.5), otherwise the
// nearest colour of its hue that does.
QColor ReadableOn(const QColor& colour, const QColor& background);
// Draws the text of `widget` (a label) in `colour`, made readable on the widget's own background.
void SetTextColour(QWidget* widget, const QColor& colour);

}  // namespace orv
