// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real sound player: the program's sounds handed to the PulseAudio server
// (PipeWire's too) from a thread of its own, so that a server that hangs, goes away
// or comes back never holds up the windows.
//
// play() only leaves the sound's number for the sound thread and wakes it; it never
// waits for anything. The sound thread connects to the server when a sound is asked
// for and none is connected, plays each sound as a short stream of its own (a new
// sound cuts the one still playing) and closes the stream when the sound is over, so
// the idle program costs nothing. Everything it asks of the server has a time limit:
// a connection not ready within 2 s, or a stream the server does not open within 1 s,
// is given up and the connection dropped; a sound that could not start within 0.4 s of
// its click is not played late. A server that is away is asked again at the next
// sound, so it is used as soon as it is back, however long it was away, and nothing
// runs while no sound is asked for.

#include <QByteArray>
#include <memory>

#include "Platform.h"

// The time limits of the sound thread.
struct LimitiSuono {
    // How late a sound may start, after its click, and still be played.
    int ritardoMassimoMs = 400;
    // How long a connection may take to become ready.
    int connessioneMs = 2000;
    // How long the server may take to open a sound's stream.
    int flussoMs = 1000;
};

class RealSoundPlayer : public SoundPlayer {
public:
    explicit RealSoundPlayer(LimitiSuono limiti = {});
    // Stops the sound thread at once: closing a connection waits for no answer.
    ~RealSoundPlayer() override;
    RealSoundPlayer(const RealSoundPlayer&) = delete;
    RealSoundPlayer& operator=(const RealSoundPlayer&) = delete;

    void play(int id) override;

    // What the sound thread has done so far, for tests and measurements.
    struct Conteggi {
        int connessioni = 0; // connections that became ready
        int fallite = 0;     // connections refused, broken, or given up at their time limit
        int suonati = 0;     // sounds handed whole to the server
        int scartati = 0;    // sounds not played: no server, or too late
    };
    Conteggi conteggi() const;

private:
    class Filo;
    std::unique_ptr<Filo> m_filo;
};
