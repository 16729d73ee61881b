// SPDX-License-Identifier: GPL-3.0-or-later
#include "AspettoProgramma.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace AspettoProgramma {

namespace {
const QString kStile = QStringLiteral("Fusion");
} // namespace

QPalette Tavolozza()
{
    // Fusion's light colours, written out: Qt's own Fusion palette turns dark when the
    // desktop's theme says its appearance is dark (GTK's Adwaita:dark does).
    const QColor fondo(239, 235, 231);
    const QColor chiaro = fondo.lighter(150);
    const QColor scuro = fondo.darker(150);
    const QColor medio = fondo.darker(130);
    const QColor ombra = scuro.darker(135);
    QPalette tavolozza(Qt::black, fondo, chiaro, scuro, medio, Qt::black, Qt::white);
    tavolozza.setColor(QPalette::Midlight, medio.lighter(110));
    tavolozza.setColor(QPalette::Button, fondo);
    tavolozza.setColor(QPalette::Shadow, ombra);
    tavolozza.setColor(QPalette::HighlightedText, Qt::white);
    tavolozza.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    tavolozza.setColor(QPalette::ToolTipText, Qt::black);
    tavolozza.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    tavolozza.setColor(QPalette::Link, QColor(0, 0, 255));
    tavolozza.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    // Greyed-out controls: grey text on the window's ground.
    const QColor spento(190, 190, 190);
    for (QPalette::ColorRole ruolo : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        tavolozza.setColor(QPalette::Disabled, ruolo, spento);
    tavolozza.setColor(QPalette::Disabled, QPalette::Base, fondo);
    tavolozza.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 200, 191).darker(110));
    tavolozza.setColor(QPalette::Disabled, QPalette::Shadow, ombra.lighter(150));
    // Selected text is white on a blue a little deeper than Fusion's (3.7:1), so that
    // it reads at 5:1 like all the rest.
    const QColor selezione(0x2a, 0x6f, 0xb0);
    tavolozza.setColor(QPalette::Active, QPalette::Highlight, selezione);
    tavolozza.setColor(QPalette::Inactive, QPalette::Highlight, selezione);
    tavolozza.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 141, 126));
    // Every role counts as chosen: a later change of the desktop's palette (the
    // colour scheme switched while the program runs) leaves it as it is.
    tavolozza.setResolveMask(~QPalette::ResolveMask(0));
    return tavolozza;
}

void Applica()
{
    QApplication::setStyle(kStile);
    QApplication::setPalette(Tavolozza());
}

} // namespace AspettoProgramma
