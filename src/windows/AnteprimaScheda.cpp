// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnteprimaScheda.h"

#include <QPainter>

#include "FoglioPdf.h"
#include "FoglioScheda.h"

namespace {

// An A4 sheet: the drawing area with the saved file's border round it.
constexpr double kLarghezzaFoglio = 210;
constexpr double kAltezzaFoglio = 297;

} // namespace

AnteprimaScheda::AnteprimaScheda(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AnteprimaScheda"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AnteprimaScheda::Mostra(const CodiceScheda& codice, const QString& titolo, bool soluzioni)
{
    if (codice == m_codice && titolo == m_titolo && soluzioni == m_soluzioni && !m_immagine.isNull())
        return;
    m_codice = codice;
    m_titolo = titolo;
    m_soluzioni = soluzioni;
    Ridisegna();
    setAccessibleDescription((soluzioni ? QStringLiteral("Soluzioni, ") : QStringLiteral("Scheda, "))
                             + Foglio::TestoCodiceScheda(codice));
}

void AnteprimaScheda::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Ridisegna();
}

void AnteprimaScheda::Ridisegna()
{
    // The page at the widget's size in the screen's own pixels.
    const qreal dpr = devicePixelRatioF();
    const double pixelPerMm = qMin(width() / kLarghezzaFoglio, height() / kAltezzaFoglio) * dpr;
    if (pixelPerMm <= 0)
        return;
    QImage img(qRound(kLarghezzaFoglio * pixelPerMm), qRound(kAltezzaFoglio * pixelPerMm), QImage::Format_RGB32);
    const int puntiPerMetro = qRound(pixelPerMm * 1000);
    img.setDotsPerMeterX(puntiPerMetro);
    img.setDotsPerMeterY(puntiPerMetro);
    img.fill(Qt::white);
    QPainter p(&img);
    p.translate(Foglio::kMarginePdf * pixelPerMm, Foglio::kMarginePdf * pixelPerMm);
    Foglio::DisegnaPaginaScheda(p, m_codice, m_titolo, m_soluzioni, Foglio::kLarghezzaPdf);
    p.end();
    img.setDevicePixelRatio(dpr);
    m_immagine = img;
    update();
}

void AnteprimaScheda::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Dark));
    if (m_immagine.isNull())
        return;
    const QSizeF dim = m_immagine.deviceIndependentSize();
    const QPointF angolo((width() - dim.width()) / 2, (height() - dim.height()) / 2);
    p.drawImage(angolo, m_immagine);
}
