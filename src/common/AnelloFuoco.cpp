// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnelloFuoco.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QWidget>

AnelloFuoco::AnelloFuoco(QWidget* controllo, int spessore)
    : QObject(controllo), m_controllo(controllo), m_spessore(spessore)
{
    controllo->installEventFilter(this);
}

bool AnelloFuoco::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_controllo)
        return false;
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        m_controllo->update();
        return false;
    }
    if (event->type() != QEvent::Paint || m_dipingendo || !m_controllo->hasFocus())
        return false;
    // The control paints itself first (the same paint event, handed on), then the ring
    // goes over its edge.
    {
        const QScopedValueRollback<bool> dentro(m_dipingendo, true);
        QCoreApplication::sendEvent(m_controllo, event);
    }
    QPainter p(m_controllo);
    QPen penna(colore(), m_spessore);
    penna.setJoinStyle(Qt::MiterJoin);
    p.setPen(penna);
    p.setBrush(Qt::NoBrush);
    const qreal meta = m_spessore / 2.0;
    p.drawRect(QRectF(m_controllo->rect()).adjusted(meta, meta, -meta, -meta));
    return true;
}
