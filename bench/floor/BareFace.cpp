// SPDX-License-Identifier: GPL-3.0-or-later
#include "BareFace.h"

#include <QPainter>
#include <cmath>

#include "Lancette.h"

BareFace::BareFace(int R, QWidget* parent) : QWidget(parent), m_R(R), m_font(QStringLiteral("Arial"))
{
    m_font.setPointSize(8);
    setFixedSize(2 * R + 28, 2 * R + 48);
    setAttribute(Qt::WA_OpaquePaintEvent);
    drawDial();
}

void BareFace::drawDial()
{
    m_dial = QPixmap(size() * devicePixelRatioF());
    m_dial.setDevicePixelRatio(devicePixelRatioF());
    m_dial.fill(Qt::black);
    QPainter p(&m_dial);
    const QPointF c(m_R + 14, m_R + 24);
    QRadialGradient shade(c, m_R);
    shade.setColorAt(0, QColor(235, 235, 235));
    shade.setColorAt(1, QColor(55, 55, 55));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(c, m_R, m_R);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 150, 150), 12));
    p.drawEllipse(c, m_R + 7, m_R + 7);
}

void BareFace::setTime(int seconds)
{
    m_seconds = seconds;
    update();
}

void BareFace::paintEvent(QPaintEvent*)
{
    ++m_paints;
    const double cx = m_R + 14, cy = m_R + 24;
    const double ore = m_seconds / 3600.0, minuti = std::fmod(m_seconds / 60.0, 60.0);
    const int secondi = m_seconds % 60;
    struct Mano {
        int L, W;
        double angolo, distanza;
        QColor colore;
        QString testo;
    };
    const Mano mani[3] = {
        {qRound(m_R * 0.44), qRound(m_R * 0.06), ore * 30, 0.55 * m_R, QColor(0, 0, 255),
         EtichettaLancetta(int(ore), QLatin1Char('h'))},
        {qRound(m_R * 0.64), qRound(m_R * 0.04), minuti * 6, 0.72 * m_R, QColor(255, 0, 0),
         EtichettaLancetta(int(minuti), QLatin1Char('m'))},
        {qRound(m_R * 0.72), 0, secondi * 6.0, 0.94 * m_R, Qt::white, EtichettaLancetta(secondi, QLatin1Char('s'))},
    };

    QPainter p(this);
    p.drawPixmap(0, 0, m_dial);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(m_font);
    const QFontMetricsF fm(m_font, this);
    for (const Mano& m : mani) {
        const auto angoli = AngoliLancetta(cx, cy, m.L, m.W, m.angolo, m_R);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(m.colore);
        p.drawPolygon(angoli.data(), 4);
        const double a = m.angolo * kGradiInRadianti;
        const QPointF centro(cx + m.distanza * std::sin(a), cy - m.distanza * std::cos(a));
        p.drawText(centro + QPointF(-fm.horizontalAdvance(m.testo) / 2, fm.ascent() - fm.height() / 2), m.testo);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx, cy), 5, 5);
}
