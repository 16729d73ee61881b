// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuadranteOrologio.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ArrotondaPari.h"
#include "FrasiOra.h"
#include "Lancette.h"
#include "NumeriRomani.h"

QuadranteOrologio::QuadranteOrologio(QWidget* parent) : PictureBox(parent)
{
    setObjectName(QStringLiteral("p1"));
    setAccessibleName(QStringLiteral("Orologio"));
    setGeometry(0, 0, 388, 408);
    setBackColor(Qt::black);
    setPaintsOver(true);
    cls();
    setFocusPolicy(Qt::StrongFocus);
}

void QuadranteOrologio::DisegnaQuadrante()
{
    const int R = Raggio;
    const int W = 2 * R + 28;
    const int H = 2 * R + 48;

    clearPicture();
    resize(W, H);
    setScale(0, H, W, 0);
    cls();
    CentroX = std::abs(static_cast<float>(scaleWidth())) / 2;
    CentroY = std::abs(static_cast<float>(scaleHeight())) / 2;

    beginBatch();
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(14);
    f.setBold(true);
    setDrawFont(f);
    fillSolid = false;
    drawWidth = 2;

    // The shading is a fill of overlapping rings: smoothing their edges would only cost time.
    smooth = false;
    for (int i = 0; i <= R; ++i) {
        const int g = qBound(0, 235 - i, 255);
        circle(CentroX, CentroY, i, QColor(g, g, g));
    }
    smooth = true;
    for (int k = 1; k <= 6; ++k) {
        const int g = 100 + 18 * k;
        circle(CentroX, CentroY, R + 1 + k, QColor(g, g, g));
    }
    for (int k = 1; k <= 6; ++k) {
        const int g = 200 - 18 * k;
        circle(CentroX, CentroY, R + 7 + k, QColor(g, g, g));
    }

    drawWidth = 1;
    fillColor = ColoreQuadrante;
    fillSolid = true;
    const bool punti = m_stile == Stile::Punti;
    for (int a = 0; a < 360; ++a) {
        if (a % 6 != 0)
            continue;
        const double rad = (90.0 - a) * kGradiInRadianti;
        float x = static_cast<float>(CentroX + 0.83 * R * std::cos(rad));
        float y = static_cast<float>(CentroY + 0.83 * R * std::sin(rad));
        if (a % 30 == 0) {
            if (punti) {
                if (a % 90 == 0)
                    circle(x, y, 8, QColor(0, 0, 255));
                else
                    circle(x, y, 5, Qt::white);
            } else {
                DisegnaQuarti(x, y, a);
            }
        } else {
            circle(x, y, 1, ColoreQuadrante);
        }
    }
    endBatch();
    storeImageAsPicture();
    // The face shows the bare dial until the hands are drawn on it.
    m_sotto.clear();
    m_sopra.clear();

    QFont piccolo(QStringLiteral("Arial"));
    piccolo.setPointSize(8);
    // Grey smoothing on every screen, as in a picture, also where the window's text is
    // smoothed per colour component.
    piccolo.setStyleStrategy(QFont::NoSubpixelAntialias);
    setDrawFont(piccolo);
    m_misure.clear();
    ++m_disegniQuadrante;
    emit quadranteRidisegnato();
}

void QuadranteOrologio::DisegnaQuarti(float& x, float& y, int angolo)
{
    if (angolo == 0)
        angolo = 360;
    const QString testo = m_stile == Stile::Arabi ? QString::number(angolo / 30) : NumeroRomano(angolo / 30);
    x = static_cast<float>(x - textWidth(testo) / 2);
    y = static_cast<float>(y - textHeight(testo) / 2);
    currentX = x;
    currentY = y;
    foreColor = ColoreQuadrante;
    print(testo);
}

void QuadranteOrologio::DisegnaLancetta(int lunghezza, int semiLarghezza, const QString& chiave)
{
    double angolo = 0, distanza = 0;
    int valore = 0;
    QChar unita;
    QColor riempimento;
    if (chiave == QLatin1String("sOre")) {
        angolo = m_campi.ore * 30.0;
        valore = static_cast<int>(std::floor(m_campi.ore));
        unita = QLatin1Char('h');
        distanza = 0.55 * Raggio;
        riempimento = ColoreOre;
    } else if (chiave == QLatin1String("sMinuti")) {
        angolo = m_campi.minuti * 6.0;
        valore = static_cast<int>(std::floor(m_campi.minuti));
        unita = QLatin1Char('m');
        distanza = 0.72 * Raggio;
        riempimento = ColoreMinuti;
    } else {
        angolo = m_campi.secondi * 6.0;
        valore = static_cast<int>(m_campi.secondi);
        unita = QLatin1Char('s');
        distanza = 0.94 * Raggio;
        riempimento = ColoreSecondi;
    }

    // The hour and minute hands lie under the second hand; the second hand is painted over.
    Tratti& strato = chiave == QLatin1String("sSecondi") ? m_nuoviSopra : m_nuoviSotto;

    // The face's upward coordinates and its pixels share the centre point.
    Tratto mano;
    mano.tipo = Tratto::Tipo::Lancetta;
    mano.angoli = AngoliLancetta(CentroX, height() - CentroY, lunghezza, semiLarghezza, angolo, Raggio);
    mano.colore = riempimento;
    // Its outline and smoothed edge reach a pixel beyond the corners.
    mano.confini =
        QPolygon(QList<QPoint>(mano.angoli.begin(), mano.angoli.end())).boundingRect().adjusted(-2, -2, 2, 2);
    strato.push_back(mano);
    foreColor = ColoreSecondi;
    fillColor = riempimento;

    if (MostraEtichette) {
        const QString testo = EtichettaLancetta(valore, unita);
        const double a = (90.0 - angolo) * kGradiInRadianti;
        const double x = CentroX + distanza * std::cos(a);
        const double y = CentroY + distanza * std::sin(a);
        currentX = x - MisuraTesto(testo).larghezza / 2;
        currentY = y - textHeight(testo) / 2;
        // Printed with its top at the current position: the baseline lies an ascent below.
        const QPointF inAlto = toPixel(currentX, currentY);
        Tratto etichetta;
        etichetta.tipo = Tratto::Tipo::Etichetta;
        etichetta.colore = ColoreEtichette;
        etichetta.testo = testo;
        etichetta.punto = QPointF(inAlto.x(), inAlto.y() + textAscent());
        etichetta.confini = ConfiniEtichetta(testo, etichetta.punto);
        strato.push_back(etichetta);
        currentY += textHeight(testo);
    }
}

const QuadranteOrologio::Misura& QuadranteOrologio::MisuraTesto(const QString& testo)
{
    auto it = m_misure.constFind(testo);
    if (it == m_misure.constEnd())
        it = m_misure.insert(testo, {textWidth(testo), QFontMetricsF(drawFont(), this).boundingRect(testo)});
    return *it;
}

QRect QuadranteOrologio::ConfiniEtichetta(const QString& testo, const QPointF& punto) const
{
    // The ink of the letters, from the baseline, and a pixel or two for their smoothed
    // edges and for a position rounded to whole pixels.
    return m_misure.value(testo).inchiostro.translated(punto).adjusted(-2, -2, 2, 2).toAlignedRect();
}

bool QuadranteOrologio::Tratto::operator==(const Tratto& o) const
{
    // Exact positions: a label moved by a hair may land on other pixels.
    return tipo == o.tipo && angoli == o.angoli && colore == o.colore && testo == o.testo && punto.x() == o.punto.x()
        && punto.y() == o.punto.y() && confini == o.confini;
}

QRegion QuadranteOrologio::Differenza(const Tratti& prima, const Tratti& dopo)
{
    QRegion zona;
    auto uguale = [](const Tratti& lista, const Tratto& t) {
        return std::find(lista.begin(), lista.end(), t) != lista.end();
    };
    for (size_t i = 0; i < std::max(prima.size(), dopo.size()); ++i) {
        const Tratto* a = i < prima.size() ? &prima[i] : nullptr;
        const Tratto* b = i < dopo.size() ? &dopo[i] : nullptr;
        if (a && b && a->tipo == Tratto::Tipo::Lancetta && b->tipo == Tratto::Tipo::Lancetta
            && a->colore == b->colore) {
            // The same hand moved: only what lies along its moved sides can change.
            zona += ZonaSpostamento(a->angoli, b->angoli);
            continue;
        }
        if (a && !uguale(dopo, *a))
            zona += a->confini;
        if (b && !uguale(prima, *b))
            zona += b->confini;
    }
    return zona;
}

bool QuadranteOrologio::Tocca(const Tratto& t, const QRect& area) const
{
    if (!t.confini.intersects(area))
        return false;
    return t.tipo != Tratto::Tipo::Lancetta || LancettaTocca(t.angoli, area, 2.0);
}

void QuadranteOrologio::DisegnaTratto(QPainter& p, const Tratto& t) const
{
    // The same strokes on the window and on a picture: smoothed edges, a white outline of
    // one pixel, the face's font for the labels.
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    switch (t.tipo) {
    case Tratto::Tipo::Lancetta:
        p.setPen(QPen(ColoreSecondi, 1));
        // The second hand has no width: its two side corners are the centre, so it
        // encloses nothing to fill, and only its outline, a line, shows.
        if (t.angoli[0] == t.angoli[2])
            p.setBrush(Qt::NoBrush);
        else
            p.setBrush(t.colore);
        p.drawPolygon(t.angoli.data(), 4);
        break;
    case Tratto::Tipo::Etichetta:
        p.setFont(drawFont());
        p.setPen(t.colore);
        p.drawText(t.punto, t.testo);
        break;
    case Tratto::Tipo::Perno:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(ColoreSecondi);
        p.drawEllipse(t.punto, 5.0, 5.0);
        break;
    }
}

void QuadranteOrologio::paintOver(QPainter& painter) const
{
    for (const Tratto& t : m_sopra)
        DisegnaTratto(painter, t);
}

void QuadranteOrologio::MostraOra(float T, const CampiOra& campi)
{
    m_campi = campi;
    // The hands move in whole seconds: five ticks a second redraw the face only once.
    const Faccia faccia{static_cast<long>(std::floor(T)), MostraEtichette, MostraSecondi, FattoreLancette,
                        m_disegniQuadrante};
    if (faccia == m_faccia)
        return;
    m_faccia = faccia;
    DisegnaFaccia();
}

void QuadranteOrologio::DisegnaFaccia()
{
    // The hands, their labels and the hub of the shown time, in the order they cover each other.
    m_nuoviSotto.clear();
    m_nuoviSopra.clear();
    const float F = FattoreLancette;
    DisegnaLancetta(ArrotondaPari(Raggio * 0.44 * F), ArrotondaPari(Raggio * 0.06 * F), QStringLiteral("sOre"));
    DisegnaLancetta(ArrotondaPari(Raggio * 0.64 * F), ArrotondaPari(Raggio * 0.04 * F), QStringLiteral("sMinuti"));
    if (MostraSecondi)
        DisegnaLancetta(ArrotondaPari(Raggio * 0.72), 0, QStringLiteral("sSecondi"));
    fillColor = ColoreSecondi;
    fillSolid = true;
    drawWidth = 1;
    Tratto perno;
    perno.punto = toPixel(CentroX, CentroY);
    perno.colore = ColoreSecondi;
    perno.confini = QRectF(perno.punto - QPointF(7, 7), QSizeF(14, 14)).toAlignedRect();
    m_nuoviSopra.push_back(perno);

    // Where the hands under the second hand moved, the dial goes back and they are drawn
    // again, each that reaches there; everything else of the image stays as it is.
    const QRegion sotto = Differenza(m_sotto, m_nuoviSotto);
    if (!sotto.isEmpty()) {
        QPainter& p = restoreArea(sotto);
        for (const Tratto& t : m_nuoviSotto)
            for (const QRect& r : sotto)
                if (Tocca(t, r)) {
                    DisegnaTratto(p, t);
                    break;
                }
        endBatch();
    }
    const QRegion sopra = Differenza(m_sopra, m_nuoviSopra);
    m_sotto.swap(m_nuoviSotto);
    m_sopra.swap(m_nuoviSopra);
    if (!sopra.isEmpty())
        overChanged(sopra);
}

QString QuadranteOrologio::frase() const
{
    // Screen readers hear the shown time as a sentence; during the exercises, where the
    // read-out and the labels are hidden, only where the hands point, never the answer.
    // It is made when asked: the running clock is not announced, only the changes the
    // child makes (see AccessibileQuadrante).
    const int ore = static_cast<int>(m_campi.ore), minuti = static_cast<int>(m_campi.minuti);
    return MostraEtichette ? FraseOra(ore, minuti) : FraseLancette(ore, minuti);
}
