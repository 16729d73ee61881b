// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisegnoElementi.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include "Risorse.h"

namespace Foglio {

namespace {

// The picture laid on white paper. A page without transparency goes through every
// print path as it is; with it, some spoolers turn the whole page into one raster
// image, texts included.
QImage SuCartaBianca(const QImage& img)
{
    QImage sorgente = img;
    sorgente.setDevicePixelRatio(1);
    QImage opaca(sorgente.size(), QImage::Format_RGB32);
    opaca.fill(Qt::white);
    QPainter p(&opaca);
    p.drawImage(0, 0, sorgente);
    p.end();
    return opaca;
}

} // namespace

PrintError DisegnaElementi(QPainter& p, const QVector<Elemento>& elementi)
{
    const QPaintDevice* dispositivo = p.device();
    const double sx = dispositivo->logicalDpiX() / 25.4;
    const double sy = dispositivo->logicalDpiY() / 25.4;
    const auto punto = [sx, sy](QPointF mm) { return QPointF(mm.x() * sx, mm.y() * sy); };
    // Pictures are rendered at the device's resolution, so they print sharp, up to 600
    // dots an inch: finer than an eye sees on paper, while each step beyond only makes
    // the page slower to draw and bigger to send.
    const qreal dpr = qBound(1.0, dispositivo->logicalDpiX() / 96.0, 600 / 96.0);

    p.save();
    QPen penna(Qt::black);
    penna.setStyle(Qt::SolidLine);
    penna.setWidthF(0.25 * sx);
    penna.setCapStyle(Qt::RoundCap);
    penna.setJoinStyle(Qt::RoundJoin);
    p.setPen(penna);
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    PrintError esito = PrintError::None;
    for (const Elemento& e : elementi) {
        switch (e.tipo) {
        case Elemento::Tipo::Cerchio:
            p.drawEllipse(punto(e.p), e.raggio * sx, e.raggio * sy);
            break;
        case Elemento::Tipo::Linea:
            if (e.spessore > 0) {
                // A thick line (a clock's hand) and then the sheet's usual pen again.
                QPen spessa = penna;
                spessa.setWidthF(e.spessore * sx);
                p.setPen(spessa);
                p.drawLine(punto(e.p), punto(e.fine));
                p.setPen(penna);
            } else {
                p.drawLine(punto(e.p), punto(e.fine));
            }
            break;
        case Elemento::Tipo::Testo: {
            const QFont f = FontFoglio(e.carattere);
            p.setFont(f);
            const QFontMetricsF fm(f, dispositivo);
            const QPointF angolo = punto(e.p);
            p.drawText(QPointF(angolo.x(), angolo.y() + fm.ascent()), e.testo);
            break;
        }
        case Elemento::Tipo::Figura: {
            const QImage img = e.bitmap ? Risorse::bitmap(e.bitmap, dpr) : Risorse::figura(e.testo, {}, dpr);
            if (img.isNull()) {
                if (e.essenziale)
                    esito = PrintError::SheetIncomplete;
                break;
            }
            p.drawImage(QRectF(punto(e.p), QSizeF(e.dimensione.width() * sx, e.dimensione.height() * sy)),
                        SuCartaBianca(img));
            break;
        }
        }
        if (esito != PrintError::None)
            break;
    }
    p.restore();
    return esito;
}

} // namespace Foglio
