// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtSoundPlayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QThread>

#include "Risorse.h"
#include "WavPcm.h"

namespace {

// How much the output holds ahead of the speaker: the delay of a sound, and the
// fewest bytes it starts on (a shorter sound is followed by silence up to it).
constexpr qint64 kBufferMicroseconds = 20'000;
// Once a sound should be over, how long to wait before pausing the output, and how
// often to look again while the output still says it is playing.
constexpr int kPauseAfterMs = 150;
constexpr int kLookAgainMs = 100;
constexpr int kLookAgainTimes = 20;

// Qt's audio connection is torn down at exit without first stopping the thread that
// reads from the server; what the server still has to say about a stream closed just
// before (it answers within a millisecond or two) can then crash the process. A
// stream closed for good is therefore given a moment for that answer to arrive.
void letTheServerAnswer()
{
    QThread::msleep(30);
}

} // namespace

QtSoundPlayer::~QtSoundPlayer()
{
    m_closing = true;
    // Without the application object the output has gone with it, and nothing of
    // Qt's may be touched any more.
    if (!QCoreApplication::instance())
        return;
    const bool wasOpen = m_sink;
    closeOutput();
    delete m_owner.data();
    if (wasOpen)
        letTheServerAnswer();
}

bool QtSoundPlayer::isPaused() const
{
    return m_sink && m_sink->state() == QAudio::SuspendedState;
}

const QByteArray& QtSoundPlayer::samples(int id)
{
    auto it = m_samples.constFind(id);
    if (it == m_samples.constEnd())
        it = m_samples.insert(id, WavPcm::samplesOfSound(id, m_format));
    return *it;
}

bool QtSoundPlayer::openOutput()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    // The sounds are mono: the server spreads them over the device's channels.
    QAudioFormat format = device.preferredFormat();
    format.setChannelCount(1);
    format.setChannelConfig(QAudioFormat::ChannelConfigMono);
    if (!device.isFormatSupported(format))
        format = device.preferredFormat();
    if (!format.isValid())
        return false;
    if (!m_owner) {
        m_owner = new QObject(QCoreApplication::instance());
        m_pause = new QTimer(m_owner);
        m_pause->setSingleShot(true);
        QObject::connect(m_pause, &QTimer::timeout, m_owner, [this] { pauseWhenDone(); });
    }
    if (format != m_format)
        m_samples.clear();
    m_format = format;
    m_sink = new QAudioSink(device, format, m_owner);
    // An application object that goes before the player takes the output with it.
    QObject::connect(m_sink, &QObject::destroyed, [] {
        if (QCoreApplication::closingDown())
            letTheServerAnswer();
    });
    if (!startStream()) {
        closeOutput();
        return false;
    }
    return true;
}

bool QtSoundPlayer::startStream()
{
    // Asked for every time: the server answers with what it granted, often less.
    m_sink->setBufferSize(m_format.bytesForDuration(kBufferMicroseconds));
    m_io = m_sink->start();
    m_minimumBytes = m_sink->bufferSize();
    return m_io != nullptr;
}

void QtSoundPlayer::closeOutput()
{
    if (!m_sink)
        return;
    m_pause->stop();
    QAudioSink* sink = m_sink;
    m_sink = nullptr;
    m_io = nullptr;
    sink->stop();
    // Qt's output runs pending events as it is destroyed: let that happen from the
    // event loop, not in the middle of a sound's call.
    sink->deleteLater();
}

bool QtSoundPlayer::outputReady()
{
    // Qt's audio thread learns first that the server has gone and tells the output
    // through the event queue; hear that before driving the output, which must not
    // be paused, resumed or written to once its stream is broken.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    if (m_sink && m_sink->state() == QAudio::StoppedState)
        closeOutput();
    return m_sink || openOutput();
}

void QtSoundPlayer::play(int id)
{
    if (m_closing || !QCoreApplication::instance() || Risorse::percorsoSuono(id).isEmpty())
        return;
    if (!outputReady())
        return;
    const QByteArray data = samples(id);
    if (data.isEmpty())
        return;
    if (m_sink->state() == QAudio::SuspendedState)
        m_sink->resume();
    if (m_sink->state() == QAudio::ActiveState) {
        // One sound at a time: the stream goes, and with it what it still held of the last one.
        m_sink->stop();
        if (!startStream()) {
            closeOutput();
            return;
        }
    }
    // A stream whose server has just gone reports no room at all rather than an error.
    if (m_sink->bytesFree() < 0) {
        closeOutput();
        return;
    }
    qint64 written = m_io->write(data);
    if (data.size() < m_minimumBytes) {
        const char silence = m_format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
        written += m_io->write(QByteArray(m_minimumBytes - data.size(), silence));
    }
    m_lookAgain = 0;
    m_pause->start(static_cast<int>(m_format.durationForBytes(static_cast<qint32>(written)) / 1000) + kPauseAfterMs);
}

void QtSoundPlayer::pauseWhenDone()
{
    if (!m_sink)
        return;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    switch (m_sink->state()) {
    case QAudio::StoppedState:
        closeOutput();
        break;
    case QAudio::ActiveState:
        // The server has not said yet that the sound is over.
        if (++m_lookAgain < kLookAgainTimes) {
            m_pause->start(kLookAgainMs);
            break;
        }
        m_sink->suspend();
        break;
    case QAudio::IdleState:
        m_sink->suspend();
        break;
    case QAudio::SuspendedState:
        break;
    }
}
