// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contrast of a control's text with what lies behind it, measured on the pixels
// of its window as a reader sees them: the window drawn with the text and without it,
// each pixel that changed compared with the same pixel without the text (the
// contrast ratio of the accessibility guidelines, 1 to 21).

#include <QImage>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

inline double LuminanzaRelativa(QRgb c)
{
    const auto canale = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canale(qRed(c)) + 0.7152 * canale(qGreen(c)) + 0.0722 * canale(qBlue(c));
}

inline double RapportoContrasto(QRgb a, QRgb b)
{
    const double la = LuminanzaRelativa(a);
    const double lb = LuminanzaRelativa(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The highest contrast between the text of `controllo` (its "text" property) and the
// ground under it in its window; 0 when the text changes no pixel.
inline double ContrastoTesto(QWidget* controllo)
{
    QWidget* finestra = controllo->window();
    const QByteArray proprieta = controllo->property("text").isValid() ? "text" : "plainText";
    const QVariant testo = controllo->property(proprieta.constData());
    const QRect area(controllo->mapTo(finestra, QPoint(0, 0)), controllo->size());
    const QImage con = finestra->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    controllo->setProperty(proprieta.constData(), QString());
    const QImage senza = finestra->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    controllo->setProperty(proprieta.constData(), testo);
    double massimo = 0;
    for (int y = 0; y < con.height(); ++y)
        for (int x = 0; x < con.width(); ++x) {
            const QRgb a = con.pixel(x, y);
            const QRgb b = senza.pixel(x, y);
            if (a != b)
                massimo = std::max(massimo, RapportoContrasto(a, b));
        }
    return massimo;
}
