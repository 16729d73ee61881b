#pragma once
// Small helpers the windows share while they build their controls: design sizes
// in twips turned into pixels, the program's Arial font, colours for style sheets.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

namespace Controlli {

// Twips (1440 to the inch) to pixels at 15 twips a pixel, halves to even.
int DaTwip(int twips);
// A design rectangle given in twips, in pixels.
QRect RettangoloTwip(int left, int top, int width, int height);
// Arial (Liberation Sans on Linux) at a size in points.
QFont Arial(double punti, bool grassetto = false);
// A colour as a style sheet writes it: "rgb(r,g,b)".
QString ColoreCss(const QColor& colore);

} // namespace Controlli
