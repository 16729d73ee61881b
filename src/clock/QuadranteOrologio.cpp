// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuadranteOrologio.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "FrasiOra.h"

namespace {

// Room around what moved, in the face's pixels, for edges that a device of another
// resolution smooths or rounds a little further out.
constexpr int kMargine = 2;

// Where a hand, label or hub may colour pixels, rounded outward to whole pixels with room.
QRect Zona(const DisegnoOrologio::Tratto& t)
{
    return t.confini.toAlignedRect().adjusted(-kMargine, -kMargine, kMargine, kMargine);
}

// The device a painter really paints on: the window's backing store, or the image of a grab.
qreal RapportoPixel(QPainter& p)
{
    const QPaintDevice* d =
        p.paintEngine() && p.paintEngine()->paintDevice() ? p.paintEngine()->paintDevice() : p.device();
    return d->devicePixelRatio();
}

} // namespace

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

QImage QuadranteOrologio::DisegnaFondo(qreal dpr) const
{
    // Opaque: the window takes it as a plain copy.
    QImage fondo(size() * dpr, QImage::Format_RGB32);
    fondo.setDevicePixelRatio(dpr);
    fondo.fill(Qt::black);
    QPainter p(&fondo);
    DisegnoOrologio(m_aspetto).disegnaQuadrante(p, QRectF(QPointF(0, 0), QSizeF(size())));
    return fondo;
}

const QImage& QuadranteOrologio::Fondo(qreal dpr)
{
    if (m_fondo.devicePixelRatio() == dpr)
        return m_fondo;
    if (m_fondoAltro.isNull() || m_fondoAltro.devicePixelRatio() != dpr)
        m_fondoAltro = DisegnaFondo(dpr);
    return m_fondoAltro;
}

const QImage& QuadranteOrologio::FondoConOre(qreal dpr)
{
    if (m_forma.empty())
        return Fondo(dpr);
    const DisegnoOrologio::Tratto& mano = m_forma.front();
    if (m_fondoConOre.isNull() || m_fondoConOre.devicePixelRatio() != dpr || !(m_manoOre == mano)) {
        m_fondoConOre = Fondo(dpr).copy();
        QPainter p(&m_fondoConOre);
        m_disegno.disegnaForma(p, QRectF(QPointF(0, 0), QSizeF(size())), {mano});
        m_manoOre = mano;
    }
    return m_fondoConOre;
}

void QuadranteOrologio::DisegnaQuadrante()
{
    const QSize box = DisegnoOrologio::dimensione(Raggio);
    clearPicture();
    resize(box);
    setScale(0, box.height(), box.width(), 0);
    CentroX = static_cast<float>(box.width()) / 2;
    CentroY = static_cast<float>(box.height()) / 2;

    m_aspetto.stile = m_stile;
    m_aspetto.raggio = Raggio;
    m_disegno.impostaAspetto(m_aspetto);
    m_fondoAltro = QImage();
    m_fondoConOre = QImage();
    m_fondo = DisegnaFondo(devicePixelRatioF());
    // The face shows the bare dial until the hands are drawn on it.
    m_forma.clear();
    setPicture(m_fondo);
    ++m_disegniQuadrante;
    emit quadranteRidisegnato();
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

    AspettoOrologio aspetto = m_aspetto;
    aspetto.mostraEtichette = MostraEtichette;
    aspetto.mostraSecondi = MostraSecondi;
    aspetto.fattoreLancette = FattoreLancette;
    m_disegno.impostaAspetto(aspetto);
    DisegnoOrologio::Forma forma = m_disegno.forma(campi, this);

    // What changed, where it was and where it is now; the paint draws the whole face there.
    QRegion zona;
    auto aggiungi = [&zona](const DisegnoOrologio::Tratto& t) { zona += Zona(t); };
    for (size_t i = 0; i < std::max(m_forma.size(), forma.size()); ++i) {
        const bool prima = i < m_forma.size(), dopo = i < forma.size();
        if (prima && dopo && m_forma[i] == forma[i])
            continue;
        if (prima)
            aggiungi(m_forma[i]);
        if (dopo)
            aggiungi(forma[i]);
    }
    m_aspetto = aspetto;
    m_forma = std::move(forma);
    if (!zona.isEmpty())
        overChanged(zona);
}

void QuadranteOrologio::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QImage& fondo = FondoConOre(RapportoPixel(p));
    // The dial with the hour hand, a rectangle of the asked area at a time: under a
    // rectangular clip the image is copied row by row, under any other it would be
    // blended span by span. A rectangle's clip covers the same device pixels as the
    // window's own clip there.
    for (const QRect& r : event->region()) {
        p.setClipRect(r);
        p.drawImage(QPointF(0, 0), fondo);
    }
    p.setClipping(false);
    // What lies wholly outside the asked area is left out: it would colour no pixel there.
    DisegnoOrologio::Forma qui;
    for (size_t i = 1; i < m_forma.size(); ++i)
        if (event->region().intersects(Zona(m_forma[i])))
            qui.push_back(m_forma[i]);
    m_disegno.disegnaForma(p, QRectF(QPointF(0, 0), QSizeF(size())), qui);
}

void QuadranteOrologio::paintOver(QPainter& painter) const
{
    m_disegno.disegnaForma(painter, QRectF(QPointF(0, 0), QSizeF(size())), m_forma);
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
