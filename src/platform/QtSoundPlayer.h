// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound player of a build without libpulse (other systems than Linux): Qt's
// audio output on the windows' thread, opened at the first sound and kept for the
// whole run, fed with the samples of the sound to play. Each sound is
// decoded from the resources once and kept in the output's format. A new sound
// cuts the one still playing; between sounds the output is paused, so the idle
// program costs nothing. Without a sound server or device, or when the server
// goes away, play() stays silent and returns at once; the next sound after the
// server is back opens the output again.

#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QHash>
#include <QPointer>
#include <QTimer>

#include "Platform.h"

class QIODevice;

class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer() = default;
    // Closes the output. The output belongs to the application object, so if that
    // goes first it closes the output with it, and the player has nothing left to do.
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void play(int id) override;

    // Whether an output is open (playing, or paused between sounds).
    bool hasOutput() const { return m_sink != nullptr; }
    // Whether the open output is paused, as it is when nothing plays.
    bool isPaused() const;
    // How many sounds have been decoded for the open output.
    int preparedSounds() const { return static_cast<int>(m_samples.size()); }

private:
    bool openOutput();
    bool startStream();
    void closeOutput();
    bool outputReady();
    const QByteArray& samples(int id);
    void pauseWhenDone();

    // Parent of the output and the timer, a child of the application object: made
    // with the first sound, gone with the player or with the application, whichever
    // goes first. Qt's audio must not outlive the application with a stream open.
    QPointer<QObject> m_owner;
    QPointer<QAudioSink> m_sink;
    QIODevice* m_io = nullptr; // the sink's, valid while it is
    QPointer<QTimer> m_pause;
    QAudioFormat m_format;
    // The fewest bytes the output starts playing on: shorter sounds get silence after them.
    qint64 m_minimumBytes = 0;
    QHash<int, QByteArray> m_samples;
    int m_lookAgain = 0;
    bool m_closing = false;
};
