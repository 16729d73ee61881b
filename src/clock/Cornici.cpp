// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cornici.h"

#include <QPainter>
#include <algorithm>

#include "PictureBox.h"

namespace {

// The outer frame: eleven rings, the sixth with its colours exchanged.
constexpr int kAnelliEsterni = 11;
constexpr int kAnelloSolco = 5;
const QColor kChiaro(224, 224, 224);
const QColor kScuro(128, 128, 128);

int Grigio(int valore)
{
    return std::clamp(valore, 0, 255);
}

// Draws a ring one pixel wide around the rectangle from (l, t) to (r, b) inclusive:
// the top and left sides in one colour, the bottom and right sides in the other.
void Anello(QPainter& p, int l, int t, int r, int b, const QColor& alto, const QColor& basso)
{
    p.fillRect(QRect(QPoint(l, t), QPoint(r, t)), alto);
    p.fillRect(QRect(QPoint(l, t), QPoint(l, b)), alto);
    p.fillRect(QRect(QPoint(l + 1, b), QPoint(r, b)), basso);
    p.fillRect(QRect(QPoint(r, t + 1), QPoint(r, b)), basso);
}

// The drawing coordinates of a pixel of a picture box, whatever its scale.
QPointF Coordinate(const PictureBox* box, double px, double py)
{
    const QPointF origine = box->toPixel(0, 0);
    const double sx = box->toPixelWidth(1);
    const double sy = box->toPixelHeight(1);
    return {(px - origine.x()) / sx, (py - origine.y()) / sy};
}

// A filled box over whole pixels of a picture box, whatever its scale.
void BoxPixel(PictureBox* box, int l, int t, int r, int b, const QColor& c)
{
    const QPointF a = Coordinate(box, l, t);
    const QPointF z = Coordinate(box, r + 1, b + 1);
    box->box(a.x(), a.y(), z.x(), z.y(), c, true);
}

} // namespace

namespace Cornici {

void DisegnaCorniceEsterna(QPainter& p, const QRect& g)
{
    // Ring i lies i pixels outside the control: left and top at -i-1, right and bottom at +i.
    for (int i = 0; i < kAnelliEsterni; ++i) {
        const bool solco = i == kAnelloSolco;
        Anello(p, g.x() - i - 1, g.y() - i - 1, g.x() + g.width() + i, g.y() + g.height() + i, solco ? kScuro : kChiaro,
               solco ? kChiaro : kScuro);
    }
}

void DisegnaCorniceInterna(PictureBox* controllo, int anelli)
{
    if (!controllo || controllo->width() <= 0 || controllo->height() <= 0)
        return;
    const int W = controllo->width();
    const int H = controllo->height();
    controllo->beginBatch();
    // Ring 0 lies innermost, in about the panel's own grey; the outer rings grow
    // lighter at the top and left and darker at the bottom and right: a raised panel.
    for (int i = 0; i <= anelli; ++i) {
        const int d = anelli - i;
        if (2 * d >= W || 2 * d >= H)
            continue;
        const int scuro = Grigio(130 - 10 * i);
        const int chiaro = Grigio(130 + 15 * i);
        const QColor alto(chiaro, chiaro, chiaro), basso(scuro, scuro, scuro);
        const int l = d, t = d, r = W - 1 - d, b = H - 1 - d;
        BoxPixel(controllo, l, t, r, t, alto);
        BoxPixel(controllo, l, t, l, b, alto);
        BoxPixel(controllo, l + 1, b, r, b, basso);
        BoxPixel(controllo, r, t + 1, r, b, basso);
    }
    controllo->endBatch();
    controllo->refresh();
}

} // namespace Cornici
