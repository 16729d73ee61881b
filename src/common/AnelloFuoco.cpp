// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnelloFuoco.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QWidget>

AnelloFuoco::AnelloFuoco(QWidget* controllo, int spessore, Quando quando)
    : QObject(controllo), m_controllo(controllo), m_spessore(spessore), m_quando(quando)
{
    controllo->installEventFilter(this);
}

bool AnelloFuoco::visibile() const
{
    return m_controllo->hasFocus() && (m_quando == Quando::ConIlFuoco || m_daTastiera);
}

bool AnelloFuoco::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_controllo)
        return false;
    if (event->type() == QEvent::FocusIn) {
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            m_daTastiera = true;
            break;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            // The focus comes back as it went.
            break;
        default:
            // A click, or the program giving it.
            m_daTastiera = false;
            break;
        }
        m_controllo->update();
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        m_controllo->update();
        return false;
    }
    // Every key comes as a shortcut's question first, also one that another filter of the
    // control takes for itself (the P of the spoken time).
    const bool tasto = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (tasto && m_controllo->hasFocus() && !m_daTastiera) {
        m_daTastiera = true;
        m_controllo->update();
        return false;
    }
    if (event->type() != QEvent::Paint || m_dipingendo || !visibile())
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
