// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets something happen at most once in a given interval: a sound for every step of a
// quick drag would be a buzz, one every 50 ms is a ratchet.

class LimiteFrequenza {
public:
    // The shortest interval between two allowed times, in seconds.
    explicit LimiteFrequenza(double intervallo) : m_intervallo(intervallo) {}

    // True the first time, and then whenever at least the interval has passed since the
    // last time that was allowed. `adesso` is a time in seconds that only runs forwards.
    bool consenti(double adesso);

private:
    double m_intervallo;
    double m_ultimo = 0;
    bool m_primo = true;
};
