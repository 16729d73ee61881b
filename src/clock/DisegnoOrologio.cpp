// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisegnoOrologio.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "ArrotondaPari.h"
#include "Lancette.h"
#include "NumeriRomani.h"

namespace {

// The fonts are sized for a device of 96 dots per inch, where the face's units are
// pixels; on a printer's resolution they keep the same size in the face's units.
QFont Carattere(qreal punti, bool grassetto, const QPaintDevice* dispositivo)
{
    QFont f(QStringLiteral("Arial"));
    const int dpi = dispositivo ? dispositivo->logicalDpiY() : 96;
    if (dpi == 96 || dpi <= 0)
        f.setPointSizeF(punti);
    else
        f.setPointSizeF(punti * 96.0 / dpi);
    f.setBold(grassetto);
    return f;
}

// The value labels: grey smoothing on every screen, as in a picture, also where the
// window's text is smoothed per colour component.
QFont CarattereEtichette(const QPaintDevice* dispositivo)
{
    QFont f = Carattere(8, false, dispositivo);
    f.setStyleStrategy(QFont::NoSubpixelAntialias);
    return f;
}

// Where the labels are measured when no device is given: an image of 96 dpi.
const QPaintDevice* DispositivoMisura(const QPaintDevice* dispositivo)
{
    if (dispositivo)
        return dispositivo;
    static const QImage campione(1, 1, QImage::Format_RGB32);
    return &campione;
}

// The marks and labels are placed with y running upward from the box's bottom edge and
// turned into the box's downward units here, always by the same arithmetic, so that the
// same face gives the same pixels wherever it is drawn.
struct Scala {
    int W, H;
    QPointF pixel(double x, double y) const { return {(x - 0.0) * W / double(W), (y - H) * H / (0.0 - H)}; }
    double larghezza(double px) const { return px * double(W) / W; }
    double altezza(double px) const { return px * (0.0 - H) / H; }
};

} // namespace

DisegnoOrologio::DisegnoOrologio(const AspettoOrologio& aspetto) : m_aspetto(aspetto) {}

QSize DisegnoOrologio::dimensione(int raggio)
{
    return {2 * raggio + 28, 2 * raggio + 48};
}

QPointF DisegnoOrologio::centro() const
{
    const QSize box = dimensione(m_aspetto.raggio);
    return {box.width() / 2.0, box.height() / 2.0};
}

QTransform DisegnoOrologio::trasformazione(const QRectF& area) const
{
    const QSizeF box = dimensione(m_aspetto.raggio);
    const double s = std::min(area.width() / box.width(), area.height() / box.height());
    QTransform t;
    t.translate(area.center().x() - s * box.width() / 2, area.center().y() - s * box.height() / 2);
    t.scale(s, s);
    return t;
}

void DisegnoOrologio::disegnaQuadrante(QPainter& p, const QRectF& area) const
{
    const int R = m_aspetto.raggio;
    const QSize box = dimensione(R);
    const Scala scala{box.width(), box.height()};
    const float cx = static_cast<float>(box.width()) / 2;
    const float cy = static_cast<float>(box.height()) / 2;
    const QPointF c = scala.pixel(cx, cy);

    p.save();
    p.setTransform(trasformazione(area), true);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), box), Qt::black);

    // The shading is a fill of overlapping rings: smoothing their edges would only cost time.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= R; ++i) {
        const int g = qBound(0, 235 - i, 255);
        p.setPen(QPen(QColor(g, g, g), 2));
        p.drawEllipse(c, double(i), double(i));
    }
    // The rim: lighter, then darker rings, smoothed.
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int k = 1; k <= 6; ++k) {
        const int g = 100 + 18 * k;
        p.setPen(QPen(QColor(g, g, g), 2));
        p.drawEllipse(c, double(R + 1 + k), double(R + 1 + k));
    }
    for (int k = 1; k <= 6; ++k) {
        const int g = 200 - 18 * k;
        p.setPen(QPen(QColor(g, g, g), 2));
        p.drawEllipse(c, double(R + 7 + k), double(R + 7 + k));
    }

    // The hour marks and the minute dots, on a circle of 0.83 R.
    const QFont numeri = Carattere(14, true, p.device());
    const QFontMetricsF fm(numeri, p.device());
    p.setFont(numeri);
    const bool punti = m_aspetto.stile == StatoOrologio::StileNumeri::Punti;
    auto pallino = [&](float x, float y, double r, const QColor& bordo) {
        p.setPen(QPen(bordo, 1));
        p.setBrush(kColoreQuadrante);
        p.drawEllipse(scala.pixel(x, y), r, r);
    };
    for (int a = 0; a < 360; a += 6) {
        const double rad = (90.0 - a) * kGradiInRadianti;
        const float x = static_cast<float>(cx + 0.83 * R * std::cos(rad));
        const float y = static_cast<float>(cy + 0.83 * R * std::sin(rad));
        if (a % 30 != 0) {
            pallino(x, y, 1, kColoreQuadrante);
        } else if (punti) {
            if (a % 90 == 0)
                pallino(x, y, 8, QColor(0, 0, 255));
            else
                pallino(x, y, 5, Qt::white);
        } else {
            const int ora = a == 0 ? 12 : a / 30;
            const QString testo =
                m_aspetto.stile == StatoOrologio::StileNumeri::Romani ? NumeroRomano(ora) : QString::number(ora);
            // Centred on the mark: its top-left corner, then its baseline an ascent below.
            const float sx = static_cast<float>(x - scala.larghezza(fm.horizontalAdvance(testo)) / 2);
            const float sy = static_cast<float>(y - scala.altezza(fm.height()) / 2);
            const QPointF inAlto = scala.pixel(sx, sy);
            p.setPen(kColoreQuadrante);
            p.drawText(QPointF(inAlto.x(), inAlto.y() + fm.ascent()), testo);
        }
    }
    p.restore();
}

void DisegnoOrologio::Lancetta(Forma& forma, double angolo, double distanza, int valore, QChar unita, int L, int W,
                               const QColor& colore, const QPaintDevice* misura) const
{
    const int R = m_aspetto.raggio;
    const QSize box = dimensione(R);
    const Scala scala{box.width(), box.height()};
    const float cx = static_cast<float>(box.width()) / 2;
    const float cy = static_cast<float>(box.height()) / 2;

    Tratto mano;
    mano.tipo = Tratto::Tipo::Lancetta;
    mano.angoli = AngoliLancetta(cx, box.height() - cy, L, W, angolo, R);
    mano.colore = colore;
    // The white outline reaches half a pixel beyond the corners, its smoothed edge the
    // pixel it falls in.
    QPolygonF poligono;
    for (const QPoint& q : mano.angoli)
        poligono << QPointF(q);
    mano.confini = poligono.boundingRect().adjusted(-1, -1, 1, 1);
    forma.push_back(mano);

    if (!m_aspetto.mostraEtichette)
        return;
    Tratto etichetta;
    etichetta.tipo = Tratto::Tipo::Etichetta;
    etichetta.colore = kColoreEtichette;
    etichetta.testo = EtichettaLancetta(valore, unita);
    if (m_dpiMisure != misura->logicalDpiY()) {
        m_misure.clear();
        m_dpiMisure = misura->logicalDpiY();
    }
    const QFontMetricsF fm(CarattereEtichette(misura), misura);
    auto it = m_misure.constFind(etichetta.testo);
    if (it == m_misure.constEnd())
        it =
            m_misure.insert(etichetta.testo, {fm.horizontalAdvance(etichetta.testo), fm.boundingRect(etichetta.testo)});
    // Centred on a point at `distanza` from the centre along the hand.
    const double a = (90.0 - angolo) * kGradiInRadianti;
    const double x = cx + distanza * std::cos(a);
    const double y = cy + distanza * std::sin(a);
    const QPointF inAlto = scala.pixel(x - scala.larghezza(it->larghezza) / 2, y - scala.altezza(fm.height()) / 2);
    etichetta.punto = QPointF(inAlto.x(), inAlto.y() + fm.ascent());
    // The letters' box, and room for their smoothed edges and for glyphs shaped for
    // another resolution.
    etichetta.confini = it->inchiostro.translated(etichetta.punto).adjusted(-2, -2, 2, 2);
    forma.push_back(etichetta);
}

DisegnoOrologio::Forma DisegnoOrologio::forma(const CampiOra& campi, const QPaintDevice* misura) const
{
    misura = DispositivoMisura(misura);
    const int R = m_aspetto.raggio;
    const float F = m_aspetto.fattoreLancette;
    Forma forma;
    forma.reserve(7);
    Lancetta(forma, campi.ore * 30.0, 0.55 * R, static_cast<int>(std::floor(campi.ore)), QLatin1Char('h'),
             ArrotondaPari(R * 0.44 * F), ArrotondaPari(R * 0.06 * F), kColoreOre, misura);
    Lancetta(forma, campi.minuti * 6.0, 0.72 * R, static_cast<int>(std::floor(campi.minuti)), QLatin1Char('m'),
             ArrotondaPari(R * 0.64 * F), ArrotondaPari(R * 0.04 * F), kColoreMinuti, misura);
    // The second hand has no width: a line from its tail to its tip.
    if (m_aspetto.mostraSecondi)
        Lancetta(forma, campi.secondi * 6.0, 0.94 * R, static_cast<int>(campi.secondi), QLatin1Char('s'),
                 ArrotondaPari(R * 0.72), 0, kColoreSecondi, misura);

    const QSize box = dimensione(R);
    const Scala scala{box.width(), box.height()};
    Tratto perno;
    perno.punto = scala.pixel(static_cast<float>(box.width()) / 2, static_cast<float>(box.height()) / 2);
    perno.colore = kColoreSecondi;
    perno.confini = QRectF(perno.punto - QPointF(6, 6), QSizeF(12, 12));
    forma.push_back(perno);
    return forma;
}

void DisegnoOrologio::DisegnaTratto(QPainter& p, const Tratto& t) const
{
    switch (t.tipo) {
    case Tratto::Tipo::Lancetta:
        p.setPen(QPen(kColoreSecondi, 1));
        // The second hand's two side corners are the centre: it encloses nothing to
        // fill, and only its outline, a line, shows.
        if (t.angoli[0] == t.angoli[2])
            p.setBrush(Qt::NoBrush);
        else
            p.setBrush(t.colore);
        p.drawPolygon(t.angoli.data(), 4);
        break;
    case Tratto::Tipo::Etichetta:
        p.setPen(t.colore);
        p.drawText(t.punto, t.testo);
        break;
    case Tratto::Tipo::Perno:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(kColoreSecondi);
        p.drawEllipse(t.punto, 5.0, 5.0);
        break;
    }
}

void DisegnoOrologio::disegnaForma(QPainter& p, const QRectF& area, const Forma& forma) const
{
    p.save();
    p.setTransform(trasformazione(area), true);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(CarattereEtichette(p.device()));
    for (const Tratto& t : forma)
        DisegnaTratto(p, t);
    p.restore();
}

void DisegnoOrologio::disegnaLancette(QPainter& p, const QRectF& area, const CampiOra& campi) const
{
    disegnaForma(p, area, forma(campi, p.device()));
}

void DisegnoOrologio::disegnaLancette(QPainter& p, const QRectF& area, float T) const
{
    disegnaLancette(p, area, DerivaCampi(T));
}

void DisegnoOrologio::disegna(QPainter& p, const QRectF& area, const CampiOra& campi) const
{
    disegnaQuadrante(p, area);
    disegnaLancette(p, area, campi);
}
