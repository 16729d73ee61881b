// SPDX-License-Identifier: GPL-3.0-or-later
#include "Suggerimenti.h"

#include <cstdlib>

namespace {

constexpr int kGiorno = 24 * 60;

int Giorno(int minuti)
{
    return ((minuti % kGiorno) + kGiorno) % kGiorno;
}

// How far apart two positions are on a dial of `giro` steps, either way round.
int Distanza(int a, int b, int giro)
{
    const int d = std::abs(a - b) % giro;
    return d > giro / 2 ? giro - d : d;
}

// The number of the dial (1 to 12) the long hand points at, or has just passed, at minute m.
int NumeroLancettaLunga(int m)
{
    const int n = m / 5;
    return n == 0 ? 12 : n;
}

// Where the short hand points at time t, in minutes of the dial (0 to 59).
int PosizioneLancettaCorta(int t)
{
    return (t % 720) / 12;
}

// True when `letta` is what a child reads from the clock at `mostrata` taking the long
// hand for the hours and the short hand for the minutes.
bool LettaAlRovescio(int mostrata, int letta)
{
    const int oreLette = (letta / 60) % 12;
    return oreLette == NumeroLancettaLunga(mostrata % 60) % 12
        && Distanza(letta % 60, PosizioneLancettaCorta(mostrata), 60) <= 2;
}

// True when `letti` are the minutes a child says for minute `m` taking the number the long
// hand points at for the minutes.
bool MinutiLettiComeNumero(int m, int letti)
{
    return letti != m && letti == NumeroLancettaLunga(m);
}

} // namespace

Sbaglio SbaglioProbabile(int domanda, int risposta)
{
    const int q = Giorno(domanda);
    const int a = Giorno(risposta);
    if (q == a)
        return Sbaglio::Nessuno;
    const int avanti = Giorno(a - q);
    if (avanti == 720)
        return Sbaglio::MattinoSera;
    if (q / 60 == a / 60 && (MinutiLettiComeNumero(q % 60, a % 60) || MinutiLettiComeNumero(a % 60, q % 60)))
        return Sbaglio::MinutiComeNumero;
    if (Distanza(q, a, kGiorno) <= 4)
        return Sbaglio::QuasiGiusta;
    if (avanti == 60)
        return Sbaglio::OraDopo;
    if (avanti == kGiorno - 60)
        return Sbaglio::OraPrima;
    if (LettaAlRovescio(q, a) || LettaAlRovescio(a, q))
        return Sbaglio::LancetteScambiate;
    return Sbaglio::Generale;
}

QString TestoSuggerimento(Sbaglio sbaglio)
{
    switch (sbaglio) {
    case Sbaglio::Nessuno:
        return {};
    case Sbaglio::MattinoSera:
        return QStringLiteral("Guarda il sole o la luna: è mattino o sera, pomeriggio o notte?");
    case Sbaglio::MinutiComeNumero:
        return QStringLiteral("Ogni numero del quadrante vale cinque minuti: la lancetta lunga sul 4 fa 20 minuti.");
    case Sbaglio::QuasiGiusta:
        return QStringLiteral("Quasi! Conta bene i puntini dei minuti.");
    case Sbaglio::OraDopo:
        return QStringLiteral("Un'ora di troppo: finché la lancetta corta non arriva al numero, è ancora l'ora prima.");
    case Sbaglio::OraPrima:
        return QStringLiteral(
            "Un'ora in meno: quando la lancetta corta ha passato il numero, quell'ora è già cominciata.");
    case Sbaglio::LancetteScambiate:
        return QStringLiteral("Attenzione: la lancetta corta segna le ore, quella lunga i minuti.");
    case Sbaglio::Generale:
        break;
    }
    return QStringLiteral("Guarda prima la lancetta corta per le ore, poi quella lunga per i minuti.");
}
