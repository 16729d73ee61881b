// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers the windows and the clock's parts share while they build their
// controls: a control with its design name and place, panels, pictures and lines,
// design sizes in twips turned into pixels, the program's Arial font, colours for
// style sheets.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

class PictureBox;
class QFrame;
class QLabel;
class QToolButton;

namespace Controlli {

// Twips (1440 to the inch) to pixels at 15 twips a pixel, halves to even.
int DaTwip(int twips);
// A design rectangle given in twips, in pixels.
QRect RettangoloTwip(int left, int top, int width, int height);
// Arial (Liberation Sans on Linux) at a size in points.
QFont Arial(double punti, bool grassetto = false);
// A colour as a style sheet writes it: "rgb(r,g,b)".
QString ColoreCss(const QColor& colore);

// A control with its design name as objectName, at its design place.
template <typename T>
T* Crea(QWidget* parent, const QString& nome, int x, int y, int w, int h)
{
    auto* c = new T(parent);
    c->setObjectName(nome);
    c->setGeometry(x, y, w, h);
    return c;
}

// A drawing surface of one colour, cleared to it.
PictureBox* CreaPannello(QWidget* parent, const QString& nome, int x, int y, int w, int h, const QColor& sfondo);
// An image control showing a named picture at its size, sharp on dense screens.
QLabel* CreaImmagine(QWidget* parent, const QString& nome, const QString& figura, int x, int y, int w, int h);
// A line or a plain rectangle of one colour.
QFrame* CreaLinea(QWidget* parent, const QString& nome, const QColor& colore);
// The style sheet rule that draws a clear focus ring round a button of the given class
// ("QToolButton", "QPushButton") of border width `spessore`; put last, it changes nothing
// of the button's look without the focus.
QString StileFuoco(const QString& classe, int spessore);
// A square picture button of the command panel, optionally one that stays pressed; it
// shows a focus ring when it has the focus.
QToolButton* CreaPulsanteGrafico(QWidget* parent, const QString& nome, const QString& figura, int x, int y,
                                 const QString& suggerimento, bool conStato);
// A label's background and text colours.
void ColoraEtichetta(QLabel* etichetta, const QColor& sfondo, const QColor& testo);
// The grey of the print and worksheet windows: window and buttons grey 192, greyed-out
// captions grey 128 so they stay readable on it, the background painted.
void ColoraFinestraGrigia(QWidget* finestra);

} // namespace Controlli
