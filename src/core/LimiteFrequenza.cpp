// SPDX-License-Identifier: GPL-3.0-or-later
#include "LimiteFrequenza.h"

bool LimiteFrequenza::consenti(double adesso)
{
    // A hair's tolerance, so that 0.15 - 0.10 counts as the 0.05 it is meant to be.
    if (!m_primo && adesso - m_ultimo < m_intervallo - 1e-9)
        return false;
    m_primo = false;
    m_ultimo = adesso;
    return true;
}
