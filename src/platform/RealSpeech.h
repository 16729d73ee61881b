// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real voice: Qt's text to speech (over speech-dispatcher on Linux) with an
// Italian voice.
//
// The engine lives on a thread of its own. Starting it takes seconds (it lists every
// voice of the system), so it starts when the main window is shown (prepare()) if the
// speech service is already running, or else at the first text to say. A speech
// service that has stopped answering would hold the engine for ever; on its own
// thread neither ever holds up the windows. No engine, an engine that fails, no Italian language or no voice for
// it: nothing is said, and nothing else changes. A new text cuts the one still being
// said.
//
// A speech service that goes away and comes back is used again: an engine that does
// not start speaking within 4 s of a text has lost its service, and is made anew
// (which connects again) for that text and the next ones. A voice's thread held
// by a service that no longer answers is left behind, and the next text gets a new
// thread. Nothing runs while nothing is said. Built without Qt's speech module, the
// voice is always silent.

#include <QPointer>
#include <QString>
#include <atomic>
#include <memory>

#include "Platform.h"

class QThread;

class RealSpeech : public Speech {
public:
    RealSpeech() = default;
    // Closes the engine and waits a little for its thread; a thread held by a speech
    // service that does not answer is left to end with the process.
    ~RealSpeech() override;
    RealSpeech(const RealSpeech&) = delete;
    RealSpeech& operator=(const RealSpeech&) = delete;

    void say(const QString& text) override;
    void stop() override;
    void prepare() override;

    // How long the engine may take to start speaking a text before it counts as lost
    // (it starts within a tenth of a second when its service is there).
    static constexpr int kLimiteVoceMs = 4000;
    // How long the voice's thread may stay inside one call of the engine before it
    // counts as held by a service that does not answer: the engine's start, which lists
    // every voice of the system, takes 2 to 5 seconds on a busy computer.
    static constexpr int kLimiteFiloMs = 30000;

private:
    // Starts the thread and the engine on it, if there is none; false when there can
    // be no voice.
    bool avvia();
    // Leaves a thread held by the speech service to end by itself.
    void abbandona();

    QThread* m_filo = nullptr;
    // The object on the thread that owns the engine.
    QPointer<QObject> m_lettore;
    // When the thread entered the call it is still in (ms on a monotonic clock), or 0.
    std::shared_ptr<std::atomic<qint64>> m_occupato;
};
