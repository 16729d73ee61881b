// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class clock's own state, beside the clock's (StatoOrologio), which it shows as a
// second view: the teacher's switches and how much time has passed since a marked
// start. Each switch changes what it names and nothing else, and notifies. "Following
// the computer's time" is the clock's own mode: the switch reads and sets the clock's,
// so the main window follows it and the switch follows the main window.
//
// While a start is marked, every time the clock shows moves the count of the time
// passed (see TempoPassato).

#include <QObject>
#include <array>

#include "StatoOrologio.h"
#include "TempoPassato.h"

class StatoLavagna : public QObject {
    Q_OBJECT
public:
    // The switches, in the order the window shows them.
    enum class Opzione {
        Secondi,      // the seconds hand
        NumeriMinuti, // the minute numbers 5, 10 ... 55 outside the dial
        Anello24,     // the hours 13 to 24 inside the 1 to 12
        Etichette,    // the hands' value labels
        Lettura,      // the digital read-out with the part of the day
        Parole,       // the time in Italian words
        Computer,     // following the computer's time (off: free, moved by hand)
        Passato,      // "Quanto tempo è passato?": a start marked, the arc and the sentence
    };
    Q_ENUM(Opzione)
    static constexpr int kOpzioni = 8;

    explicit StatoLavagna(StatoOrologio* orologio, QObject* parent = nullptr);

    StatoOrologio* orologio() const { return m_orologio; }

    bool valore(Opzione opzione) const;
    // Sets one switch; a switch set as it already is does nothing. Marking the time
    // passed starts it at the shown time.
    void Imposta(Opzione opzione, bool acceso);

    // The time passed since the marked start (nothing while none is marked).
    const TempoPassato& passato() const { return m_passato; }
    // Starts counting again from the shown time ("Azzera"); marks a start if none was.
    void Azzera();

signals:
    void opzioneCambiata(StatoLavagna::Opzione opzione, bool acceso);
    // The time passed changed: a new start, or the clock moved while one is marked.
    void passatoCambiato();

private:
    void TempoCambiato(float T);

    StatoOrologio* m_orologio;
    // The switches the class clock keeps itself, by Opzione (Computer is the clock's).
    std::array<bool, kOpzioni> m_valori{true, false, false, false, true, false, false, false};
    TempoPassato m_passato;
};
