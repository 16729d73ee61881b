// SPDX-License-Identifier: GPL-3.0-or-later
#include "CasualeScheda.h"

namespace {

// Spreads the bits of a seed over the whole word (the finaliser of a 32-bit hash),
// so that neighbouring seeds start far apart.
quint32 Mescola(quint32 x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

} // namespace

CasualeScheda::CasualeScheda(quint32 seme) : m_stato(Mescola(seme ^ 0x9e3779b9U))
{
    // xorshift never leaves zero.
    if (m_stato == 0)
        m_stato = 0x6d2b79f5U;
}

quint32 CasualeScheda::prossimo()
{
    quint32 x = m_stato;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    m_stato = x;
    return x;
}

int CasualeScheda::sotto(int n)
{
    if (n <= 1)
        return 0;
    // The high bits are the better ones of xorshift; the bias of a bound below a few
    // thousand is far too small to matter on a worksheet.
    return static_cast<int>((static_cast<quint64>(prossimo()) * static_cast<quint64>(n)) >> 32);
}
