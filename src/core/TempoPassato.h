// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much time has passed since a start the teacher marked on the clock. The count
// follows the hands: every new shown time adds the shortest way round the dial from
// the last one (forward adds, back takes away), so it runs on across the hour, noon
// and midnight, and moving the hands back shortens it. Back past the start, no time
// has passed; forward again, the count starts from the marked start as before.
//
// The count gives the arc the minute hand has covered (whole turns and the part of
// one) and the sentence a teacher says: "Sono passati venticinque minuti", "È passata
// un'ora e dieci minuti".

#include <QString>

class TempoPassato {
public:
    // The arc covered by the minute hand since the start: where the hand stood at the
    // start (degrees clockwise from 12), the whole turns since, and the degrees of the
    // turn under way (0 to under 360).
    struct Arco {
        double inizio = 0;
        int giri = 0;
        double gradi = 0;
        bool operator==(const Arco&) const = default;
    };

    // Marks the start at the shown time T (seconds since midnight); nothing has passed.
    void Segna(float T);
    // No start marked: nothing is counted.
    void Togli();
    bool segnato() const { return m_segnato; }
    float inizio() const { return m_inizio; }

    // The clock now shows T: the count moves by the shortest way from the last time.
    void Segui(float T);

    // The time passed in seconds (never below 0) and in whole minutes.
    double secondi() const;
    int minuti() const;
    Arco arco() const;

private:
    bool m_segnato = false;
    float m_inizio = 0;
    float m_ultimo = 0;
    // Seconds counted from the start, below 0 while the hands stand before it.
    double m_conteggio = 0;
};

// The sentence for `minuti` whole minutes passed: "È passato un minuto", "Sono passati
// venticinque minuti", "È passata un'ora e dieci minuti", "Sono passate due ore";
// "Non è passato ancora nessun minuto" for none.
QString FraseTempoPassato(int minuti);
