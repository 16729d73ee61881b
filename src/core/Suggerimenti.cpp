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

// "al 7", "all'8": the preposition before a number of the dial, as it is said.
QString Davanti(const char* preposizione, int numero)
{
    const QString p = QString::fromLatin1(preposizione);
    const QString n = QString::number(numero);
    if (numero == 1 || numero == 8 || numero == 11)
        return p + QStringLiteral("ll'") + n;
    return p + QStringLiteral("l ") + n;
}

// The number of the dial the long hand stands at in the mistake of reading minutes as
// the number: the smaller of the two minute values, which is the other's number.
int NumeroDelloSbaglio(int domanda, int risposta)
{
    const int q = Giorno(domanda) % 60;
    const int a = Giorno(risposta) % 60;
    return MinutiLettiComeNumero(q, a) ? a : q;
}

QString MinutiComeNumero(int numero)
{
    const QString prima = QStringLiteral("Ogni numero del quadrante vale cinque minuti: la lancetta lunga ");
    if (numero == 12)
        return prima + QStringLiteral("sul 12 segna 0 minuti, l'ora esatta.");
    return prima + Davanti("su", numero) + QStringLiteral(" fa %1 minuti.").arg(numero * 5);
}

// The hour the short hand has passed at time q, as a sentence says it: "sono le 6
// passate", "è l'una passata", "è mezzogiorno passato"; without "passate" on the hour.
QString OraPassata(int q)
{
    const int h = q / 60;
    const bool passata = q % 60 != 0;
    if (h % 12 == 0) {
        const QString nome = h == 0 ? QStringLiteral("è mezzanotte") : QStringLiteral("è mezzogiorno");
        return nome + (passata ? (h == 0 ? QStringLiteral(" passata") : QStringLiteral(" passato")) : QString());
    }
    if (h % 12 == 1)
        return QStringLiteral("è l'una") + (passata ? QStringLiteral(" passata") : QString());
    return QStringLiteral("sono le %1").arg(h % 12) + (passata ? QStringLiteral(" passate") : QString());
}

// The short hand read at the next number, and the time written on the wrong half of the day.
QString OraDopoMattinoSera(int domanda)
{
    const int q = Giorno(domanda);
    const int h = q / 60;
    const int prossimo = h % 12 + 1;
    const QString lancetta =
        QStringLiteral("La lancetta corta non è ancora ") + Davanti("a", prossimo) + QStringLiteral(": ");
    if (h == 12)
        return lancetta + OraPassata(q) + QStringLiteral(", e mezzogiorno si scrive 12.");
    if (h > 12) {
        // Past noon the hours are written from 13 on.
        const QString parte = h < 18 ? QStringLiteral("di pomeriggio") : QStringLiteral("di sera");
        const QString ora =
            h == 13 ? QStringLiteral("l'una si scrive") : QStringLiteral("le %1 si scrivono").arg(h - 12);
        return lancetta + OraPassata(q) + QStringLiteral(", e ") + parte + QLatin1Char(' ') + ora
            + QStringLiteral(" %1.").arg(h);
    }
    const QString parte = h < 6 ? QStringLiteral("è notte") : QStringLiteral("è mattino");
    return lancetta + OraPassata(q) + QStringLiteral(". E guarda il sole o la luna: ") + parte + QLatin1Char('.');
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
    if (avanti == 780)
        return Sbaglio::OraDopoMattinoSera;
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

QString Suggerimento(int domanda, int risposta)
{
    return TestoSuggerimento(SbaglioProbabile(domanda, risposta), domanda, risposta);
}

QString TestoSuggerimento(Sbaglio sbaglio, int domanda, int risposta)
{
    switch (sbaglio) {
    case Sbaglio::Nessuno:
        return {};
    case Sbaglio::MattinoSera:
        return QStringLiteral("Guarda il sole o la luna: è mattino o sera, pomeriggio o notte?");
    case Sbaglio::MinutiComeNumero:
        return MinutiComeNumero(NumeroDelloSbaglio(domanda, risposta));
    case Sbaglio::QuasiGiusta:
        return QStringLiteral("Quasi! Conta bene i puntini dei minuti.");
    case Sbaglio::OraDopo:
        return QStringLiteral("Un'ora di troppo: finché la lancetta corta non arriva al numero, è ancora l'ora prima.");
    case Sbaglio::OraPrima:
        return QStringLiteral(
            "Un'ora in meno: quando la lancetta corta ha passato il numero, quell'ora è già cominciata.");
    case Sbaglio::OraDopoMattinoSera:
        return OraDopoMattinoSera(domanda);
    case Sbaglio::LancetteScambiate:
        return QStringLiteral("Attenzione: la lancetta corta segna le ore, quella lunga i minuti.");
    case Sbaglio::Generale:
        break;
    }
    return QStringLiteral("Guarda prima la lancetta corta per le ore, poi quella lunga per i minuti.");
}
