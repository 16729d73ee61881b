// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event dispatcher of the test programs. Window-system events, sockets and posted
// events go through Qt's own dispatcher as in the program; every timer of the main
// thread (QTimer, QBasicTimer: the clock's tick, an animation's steps, a held button's
// auto-repeat, the splash's five seconds) runs on the tests' stand-in clock instead of
// the wall clock. A timer fires when FakeClock::advance carries the stand-in time past
// the moment it falls due, at that moment, in the order the timers fall due; nothing
// fires because wall time has passed. A timer of no interval fires at every pass of
// the event loop, as Qt's own does.
//
// It is made before the application object (see FakePlatform.cpp), so the program's
// code uses Qt's timers as it always does.

#include <QAbstractEventDispatcher>
#include <functional>
#include <memory>
#include <vector>

class FakeEventDispatcher : public QAbstractEventDispatcher {
public:
    FakeEventDispatcher();
    ~FakeEventDispatcher() override;

    // The dispatcher of this test program, or none.
    static FakeEventDispatcher* instance();

    // Moves the stand-in time on by `ms` milliseconds, firing every timer that falls due
    // on the way at its moment; `move` carries the stand-in clock along, step by step,
    // so a timer's handler reads the time at which it fired. Pending events are handled
    // before, between and after the timers.
    void advance(qint64 ms, const std::function<void(qint64)>& move);
    // Milliseconds of stand-in time since the test program started.
    qint64 now() const { return m_now; }
    // How many timers are running (a test may check that nothing is left running).
    int timerCount() const { return static_cast<int>(m_timers.size()); }

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
    void registerSocketNotifier(QSocketNotifier* notifier) override;
    void unregisterSocketNotifier(QSocketNotifier* notifier) override;
    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject* object) override;
    QList<TimerInfo> registeredTimers(QObject* object) const override;
    int remainingTime(int timerId) override;
    void wakeUp() override;
    void interrupt() override;
    void startingUp() override;
    void closingDown() override;

private:
    // Qt's own dispatcher for the platform in use, made once the platform is known
    // (the application object makes it after this dispatcher).
    QAbstractEventDispatcher* Qt();

    struct Timer {
        int id;
        qint64 interval;
        Qt::TimerType type;
        QObject* object;
        qint64 due;
    };
    // Fires once each timer due now, earliest first; true when any fired.
    bool FireDue();
    // The earliest moment a timer with an interval falls due, or -1.
    qint64 NextDue() const;

    std::unique_ptr<QAbstractEventDispatcher> m_inner;
    bool m_avviato = false;
    std::vector<Timer> m_timers;
    qint64 m_now = 0;
};
