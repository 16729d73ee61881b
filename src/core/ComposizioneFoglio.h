// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed sheet composed: a clock face to colour and cut out, the two hands to
// cut out and pin to it, the child's name, two lines of advice, a paper fastener, a
// rule and the credit line, on one A4 portrait page, as a list of elements (pure
// geometry, given a way to measure text). FoglioOrologio.h paints it.
//
// Everything is in millimetres from the top-left corner of the printable area,
// x to the right and y downwards.

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QVector>
#include <functional>

class QFont;
class QPainter;
class QPaintDevice;

namespace Foglio {

// Degrees to radians, in single precision as the dial has always used it.
inline constexpr float kGradi = 0.01745328f;

// Vertical centre of the dial: half an A4 height less 50 mm, whatever the printer.
inline constexpr float CentroY = 297.0f / 2 - 50;

// Radii of the dial, all derived from the inner circle.
inline constexpr float RaggioInterno = 90;
inline constexpr float RaggioEsterno = 94;
inline constexpr float RaggioMinuti = 0.95f * RaggioInterno; // centre of the minute numbers
inline constexpr float RaggioOre = 0.85f * RaggioInterno;    // hour numbers and minute dots
inline constexpr float RaggioCentro = 3;                     // centre mark and pivot marks
inline constexpr float RaggioPunto = 1;                      // minute dots

// Pictures at their own size: pixels of a 96 dpi screen.
inline constexpr double kMmPerPixel = 25.4 / 96;
inline constexpr int kFermacampioni = 237; // bitmap resource of the paper fastener

// The two notes at the foot of the sheet (the second is indented by nine spaces).
QString Nota1();
QString Nota2();

// The credit line: the program's name, what it does and its version.
QString TestoPiedePredefinito();

// The choices of the print window, read when the page is printed.
struct OpzioniFoglio {
    bool numeriRomani = false;
    bool stampaMinuti = true;
    QString nome;
    QString cognome;
    QString testoPiede = TestoPiedePredefinito();
    // Width of the printable area; the dial stands in its middle.
    double larghezzaStampabile = 210;
};

struct Carattere {
    double punti = 10;
    bool grassetto = false;
    bool corsivo = false;
};

// The font of the sheet (Arial; Liberation Sans stands in for it where Arial is missing).
QFont FontFoglio(const Carattere& c);

// Width and height in millimetres of a text in a font.
using MisuraTesto = std::function<QSizeF(const QString& testo, const Carattere& c)>;

// Measures text as a paint device lays it out.
MisuraTesto MisuraSuDispositivo(const QPaintDevice* dispositivo);

struct Elemento {
    enum class Tipo { Cerchio, Linea, Testo, Figura };
    Tipo tipo = Tipo::Testo;
    // Centre of a circle, start of a line, top-left corner of a text or a picture.
    QPointF p;
    // End of a line.
    QPointF fine;
    double raggio = 0;
    // The text, or the name of the picture.
    QString testo;
    // A picture by resource number, when not by name.
    int bitmap = 0;
    Carattere carattere;
    // Size of the text or of the picture.
    QSizeF dimensione;
    // An element that cannot be drawn stops the print job; the others are left out quietly.
    bool essenziale = true;
    // Width of a line in millimetres; 0 is the sheet's usual thin line.
    double spessore = 0;
};

// Point at angle `angolo` (degrees clockwise from 12 o'clock) and radius `raggio` around (cx, cy).
QPointF PuntoSulCerchio(float cx, float cy, int angolo, float raggio);

// The hour number for an angle that is a multiple of 30: 0 and 360 are 12 (XII), 90 is 3 (III).
QString TestoOra(int angolo, bool romani);

// The whole sheet, in drawing order.
QVector<Elemento> ComponiFoglio(const OpzioniFoglio& opzioni, const MisuraTesto& misura);

} // namespace Foglio
