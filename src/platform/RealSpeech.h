#pragma once
// The real voice: Qt's text to speech (over speech-dispatcher on Linux) with an
// Italian voice.
//
// The engine lives on a thread of its own, started at the first text to say, never
// before: a program whose child never asks for the time to be said touches no speech
// service. Starting the engine takes seconds (it lists every voice of the system) and
// a speech service that has stopped answering would hold it for ever; on its own
// thread neither ever holds up the windows. No engine, an engine that fails, no
// Italian language or no voice for it: nothing is said, and nothing else changes. A
// new text cuts the one still being said. Built without Qt's speech module, the voice
// is always silent.

#include <QPointer>
#include <QString>

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

private:
    // Starts the thread and the engine on it, once; false when there can be no voice.
    bool avvia();

    QThread* m_filo = nullptr;
    // The object on the thread that owns the engine.
    QPointer<QObject> m_lettore;
    bool m_avviato = false;
};
