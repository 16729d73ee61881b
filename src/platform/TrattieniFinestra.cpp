#include "TrattieniFinestra.h"

#include <QEvent>

namespace {
// The innermost guard alive; guards nest like the loops that hold them.
TrattieniFinestra* g_ultima = nullptr;
} // namespace

TrattieniFinestra::TrattieniFinestra(QWidget* finestra) : m_finestra(finestra), m_precedente(g_ultima)
{
    for (TrattieniFinestra* g = g_ultima; g; g = g->m_precedente) {
        if (g->m_finestra == finestra) {
            m_esterna = g;
            break;
        }
    }
    g_ultima = this;
    if (finestra)
        finestra->installEventFilter(this);
}

TrattieniFinestra::~TrattieniFinestra()
{
    g_ultima = m_precedente;
    if (!m_finestra)
        return;
    m_finestra->removeEventFilter(this);
    if (!m_richiesta)
        return;
    if (m_esterna)
        m_esterna->m_richiesta = true; // the enclosing loop stops too, and makes the request
    else
        m_finestra->deleteLater();
}

bool TrattieniFinestra::inChiusura() const
{
    return m_chiusa || m_richiesta || !m_finestra || (m_esterna && m_esterna->inChiusura());
}

bool TrattieniFinestra::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto != m_finestra)
        return QObject::eventFilter(oggetto, evento);
    if (evento->type() == QEvent::DeferredDelete) {
        m_richiesta = true;
        return true;
    }
    // The window is being closed: it goes on to close, and the handler stops.
    if (evento->type() == QEvent::Close)
        m_chiusa = true;
    return QObject::eventFilter(oggetto, evento);
}
