// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComposizioneFoglio.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <cmath>

#include "ComposizioneQuadrante.h"
#include "NumeriRomani.h"
#include "versione.h"

namespace Foglio {

QString Nota1()
{
    return QStringLiteral("Note: Se vuoi colorare l'orologio, ti consiglio di farlo prima di ritagliarlo.");
}

QString Nota2()
{
    return QStringLiteral(
        "         Per fissare le lancette dell'orologio, puoi utilizzare un fermacampioni come questo >");
}

QString TestoPiedePredefinito()
{
    return QStringLiteral("Tempolino - Impara a leggere l'orologio - Versione ") + QStringLiteral(TEMPOLINO_VERSIONE);
}

QFont FontFoglio(const Carattere& c)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(c.punti);
    f.setBold(c.grassetto);
    f.setItalic(c.corsivo);
    // The same glyph widths on the printer, in a PDF and on screen: the page is
    // laid out in millimetres, not in the pixels of one device.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

MisuraTesto MisuraSuDispositivo(const QPaintDevice* dispositivo)
{
    const double mmX = 25.4 / dispositivo->logicalDpiX();
    const double mmY = 25.4 / dispositivo->logicalDpiY();
    return [dispositivo, mmX, mmY](const QString& testo, const Carattere& c) {
        const QFontMetricsF fm(FontFoglio(c), dispositivo);
        return QSizeF(fm.horizontalAdvance(testo) * mmX, fm.height() * mmY);
    };
}

QPointF PuntoSulCerchio(float cx, float cy, int angolo, float raggio)
{
    const float a = static_cast<float>(angolo + 270) * kGradi;
    return {cx + std::cos(a) * raggio, cy + std::sin(a) * raggio};
}

QString TestoOra(int angolo, bool romani)
{
    if (angolo == 0)
        angolo = 360;
    const int ora = angolo / 30;
    return romani ? NumeroRomano(ora) : QString::number(ora);
}

namespace {

// The sheet being composed, with the font in force as the print job sets it.
struct Composizione {
    const OpzioniFoglio& opzioni;
    const MisuraTesto& misura;
    float CentroX;
    Carattere font;
    QVector<Elemento> elementi;

    QSizeF misuraTesto(const QString& t) const { return misura(t, font); }

    void cerchio(QPointF c, double r, bool essenziale = true)
    {
        Elemento e;
        e.tipo = Elemento::Tipo::Cerchio;
        e.p = c;
        e.raggio = r;
        e.essenziale = essenziale;
        elementi.append(e);
    }

    void linea(QPointF da, QPointF a, bool essenziale = true)
    {
        Elemento e;
        e.tipo = Elemento::Tipo::Linea;
        e.p = da;
        e.fine = a;
        e.essenziale = essenziale;
        elementi.append(e);
    }

    // Prints `t` with its top-left corner at (x, y) in the current font.
    void testo(QPointF angolo, const QString& t, bool essenziale = true)
    {
        Elemento e;
        e.tipo = Elemento::Tipo::Testo;
        e.p = angolo;
        e.testo = t;
        e.carattere = font;
        e.dimensione = misuraTesto(t);
        e.essenziale = essenziale;
        elementi.append(e);
    }

    // A picture at its own size (pixels of a 96 dpi screen).
    void figura(QPointF angolo, const QString& nome, int bitmap, QSize pixel, bool essenziale)
    {
        Elemento e;
        e.tipo = Elemento::Tipo::Figura;
        e.p = angolo;
        e.testo = nome;
        e.bitmap = bitmap;
        e.dimensione = QSizeF(pixel.width() * kMmPerPixel, pixel.height() * kMmPerPixel);
        e.essenziale = essenziale;
        elementi.append(e);
    }
};

// A closed outline through the points, from the first back to it.
void Contorno(Composizione& c, std::initializer_list<QPointF> punti)
{
    const QPointF* prec = nullptr;
    for (const QPointF& q : punti) {
        if (prec)
            c.linea(*prec, q, false);
        prec = &q;
    }
}

// The two hands to cut out, each pointing left of its pivot, with scissors and a label.
void StampaLancette(Composizione& c)
{
    const QSize forbici(18, 11);
    Contorno(c, {{30, 210}, {100, 203}, {120, 210}, {100, 217}, {30, 210}});
    c.cerchio(QPointF(100, 210), RaggioCentro, false);
    c.figura(QPointF(125, 209), QStringLiteral("imgCut"), 0, forbici, false);
    c.font.punti = 10;
    c.font.grassetto = false;
    c.testo(QPointF(136, 208), QStringLiteral("< Lancetta dei minuti"), false);

    Contorno(c, {{30, 230}, {80, 221}, {100, 230}, {80, 239}, {30, 230}});
    c.cerchio(QPointF(80, 230), RaggioCentro, false);
    c.figura(QPointF(105, 229), QStringLiteral("imgCut"), 0, forbici, false);
    c.testo(QPointF(116, 228), QStringLiteral("< Lancetta delle ore"), false);
}

// Name and surname centred on the face, between the centre and the 12, when given.
void StampaDatiPersonali(Composizione& c)
{
    c.font.punti = 16;
    const auto centrato = [&c](const QString& t, float y) {
        if (t.isEmpty())
            return;
        const float x = c.CentroX - static_cast<float>(c.misuraTesto(t).width()) / 2;
        c.testo(QPointF(x, y), t);
    };
    centrato(c.opzioni.nome, 60);
    centrato(c.opzioni.cognome, 70);
}

} // namespace

QVector<Elemento> ComponiFoglio(const OpzioniFoglio& opzioni, const MisuraTesto& misura)
{
    Composizione c{opzioni, misura, static_cast<float>(opzioni.larghezzaStampabile / 2), {}, {}};
    const QPointF centro(c.CentroX, CentroY);

    Quadrante quadrante;
    quadrante.centro = centro;
    quadrante.numeri = opzioni.numeriRomani ? StileQuadrante::Romani : StileQuadrante::Arabi;
    quadrante.minuti = opzioni.stampaMinuti;
    ComponiQuadrante(c.elementi, quadrante, misura);

    StampaLancette(c);
    StampaDatiPersonali(c);

    c.font.punti = 10;
    c.font.grassetto = false;
    c.font.corsivo = true;
    c.testo(QPointF(10, 255), Nota1());
    c.testo(QPointF(10, 260), Nota2());

    c.figura(QPointF(153, 258), QString(), kFermacampioni, QSize(20, 35), true);

    c.font.corsivo = false;
    c.linea(QPointF(7, 272), QPointF(200, 272));

    c.font.punti = 10;
    c.font.grassetto = false;
    const float larghezzaPiede = static_cast<float>(c.misuraTesto(opzioni.testoPiede).width());
    c.testo(QPointF(c.CentroX - larghezzaPiede / 2, 275), opzioni.testoPiede);

    return c.elementi;
}

} // namespace Foglio
