// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeEventDispatcher.h"

#include <QCoreApplication>
#include <QTimerEvent>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qunixeventdispatcher_qpa_p.h>
#include <algorithm>
#include <qpa/qplatformintegration.h>

namespace {
FakeEventDispatcher* g_istanza = nullptr;
} // namespace

FakeEventDispatcher::FakeEventDispatcher()
{
    g_istanza = this;
}

FakeEventDispatcher::~FakeEventDispatcher()
{
    if (g_istanza == this)
        g_istanza = nullptr;
}

FakeEventDispatcher* FakeEventDispatcher::instance()
{
    return g_istanza;
}

QAbstractEventDispatcher* FakeEventDispatcher::Qt()
{
    if (!m_inner) {
        // The platform's own (an X server's reads its events there); the generic one of
        // the window system's events before a platform is there.
        QPlatformIntegration* piattaforma = QGuiApplicationPrivate::platformIntegration();
        QAbstractEventDispatcher* d = piattaforma ? piattaforma->createEventDispatcher() : nullptr;
        m_inner.reset(d ? d : new QUnixEventDispatcherQPA);
        connect(m_inner.get(), &QAbstractEventDispatcher::aboutToBlock, this, &QAbstractEventDispatcher::aboutToBlock);
        connect(m_inner.get(), &QAbstractEventDispatcher::awake, this, &QAbstractEventDispatcher::awake);
        if (m_avviato)
            m_inner->startingUp();
    }
    return m_inner.get();
}

bool FakeEventDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags)
{
    const bool scattati = FireDue();
    // Qt's dispatcher would wait for an event; a timer that fired is one.
    if (scattati)
        flags &= ~QEventLoop::WaitForMoreEvents;
    const bool altri = Qt()->processEvents(flags);
    return scattati || altri;
}

bool FakeEventDispatcher::FireDue()
{
    std::vector<Timer> dovuti;
    for (const Timer& t : m_timers)
        if (t.due <= m_now)
            dovuti.push_back(t);
    std::stable_sort(dovuti.begin(), dovuti.end(), [](const Timer& a, const Timer& b) { return a.due < b.due; });
    bool scattato = false;
    for (const Timer& d : dovuti) {
        // A handler before this one may have stopped or restarted it.
        auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.id == d.id; });
        if (it == m_timers.end() || it->due > m_now)
            continue;
        // The next time it falls due counts from when it was due, as a steady clock's would.
        it->due = it->interval > 0 ? it->due + it->interval : m_now;
        QObject* oggetto = it->object;
        QTimerEvent evento(d.id);
        QCoreApplication::sendEvent(oggetto, &evento);
        scattato = true;
    }
    return scattato;
}

qint64 FakeEventDispatcher::NextDue() const
{
    qint64 prossimo = -1;
    for (const Timer& t : m_timers)
        if (t.interval > 0 && (prossimo < 0 || t.due < prossimo))
            prossimo = t.due;
    return prossimo;
}

void FakeEventDispatcher::advance(qint64 ms, const std::function<void(qint64)>& move)
{
    const qint64 fine = m_now + std::max<qint64>(ms, 0);
    QCoreApplication::processEvents();
    for (;;) {
        const qint64 prossimo = NextDue();
        if (prossimo < 0 || prossimo > fine)
            break;
        if (prossimo > m_now) {
            move(prossimo - m_now);
            m_now = prossimo;
        }
        QCoreApplication::processEvents();
    }
    if (fine > m_now) {
        move(fine - m_now);
        m_now = fine;
    }
    QCoreApplication::processEvents();
}

void FakeEventDispatcher::registerSocketNotifier(QSocketNotifier* notifier)
{
    Qt()->registerSocketNotifier(notifier);
}

void FakeEventDispatcher::unregisterSocketNotifier(QSocketNotifier* notifier)
{
    Qt()->unregisterSocketNotifier(notifier);
}

void FakeEventDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object)
{
    m_timers.push_back({timerId, interval, timerType, object, m_now + interval});
}

bool FakeEventDispatcher::unregisterTimer(int timerId)
{
    const auto prima = m_timers.size();
    std::erase_if(m_timers, [timerId](const Timer& t) { return t.id == timerId; });
    return m_timers.size() != prima;
}

bool FakeEventDispatcher::unregisterTimers(QObject* object)
{
    const auto prima = m_timers.size();
    std::erase_if(m_timers, [object](const Timer& t) { return t.object == object; });
    return m_timers.size() != prima;
}

QList<QAbstractEventDispatcher::TimerInfo> FakeEventDispatcher::registeredTimers(QObject* object) const
{
    QList<TimerInfo> elenco;
    for (const Timer& t : m_timers)
        if (t.object == object)
            elenco.append(TimerInfo(t.id, static_cast<int>(t.interval), t.type));
    return elenco;
}

int FakeEventDispatcher::remainingTime(int timerId)
{
    for (const Timer& t : m_timers)
        if (t.id == timerId)
            return static_cast<int>(std::max<qint64>(t.due - m_now, 0));
    return -1;
}

void FakeEventDispatcher::wakeUp()
{
    // Before Qt's dispatcher is made nothing waits that could be woken.
    if (m_inner)
        m_inner->wakeUp();
}

void FakeEventDispatcher::interrupt()
{
    if (m_inner)
        m_inner->interrupt();
}

void FakeEventDispatcher::startingUp()
{
    m_avviato = true;
    if (m_inner)
        m_inner->startingUp();
}

void FakeEventDispatcher::closingDown()
{
    if (m_inner)
        m_inner->closingDown();
}
