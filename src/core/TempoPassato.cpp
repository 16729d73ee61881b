// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempoPassato.h"

#include <algorithm>
#include <cmath>

#include "OraInParole.h"

namespace {

constexpr double kGiorno = 86400;
constexpr double kMezzoGiorno = 43200;

// A number of minutes or hours in words before its noun: "ventun minuti", "due ore".
// Numbers the words do not reach are written in figures.
QString Numero(int n)
{
    QString parole = NumeroInParole(n);
    if (parole.isEmpty())
        return QString::number(n);
    // Before a noun the compounds of "uno" lose their last vowel: "trentun minuti".
    if (n > 20 && n % 10 == 1)
        parole.chop(1);
    return parole;
}

} // namespace

void TempoPassato::Segna(float T)
{
    m_segnato = true;
    m_inizio = T;
    m_ultimo = T;
    m_conteggio = 0;
}

void TempoPassato::Togli()
{
    m_segnato = false;
    m_conteggio = 0;
}

void TempoPassato::Segui(float T)
{
    if (!m_segnato)
        return;
    // The shortest way round the day: a step past midnight is a small step forward.
    double passo = std::fmod(static_cast<double>(T) - m_ultimo, kGiorno);
    if (passo > kMezzoGiorno)
        passo -= kGiorno;
    else if (passo <= -kMezzoGiorno)
        passo += kGiorno;
    m_conteggio += passo;
    m_ultimo = T;
}

double TempoPassato::secondi() const
{
    return std::max(0.0, m_conteggio);
}

int TempoPassato::minuti() const
{
    return static_cast<int>(std::floor(secondi() / 60.0));
}

TempoPassato::Arco TempoPassato::arco() const
{
    Arco a;
    if (!m_segnato)
        return a;
    const double s = secondi();
    // The minute hand turns once an hour: 0.1 degrees a second.
    a.inizio = std::fmod(static_cast<double>(m_inizio), 3600.0) / 10.0;
    a.giri = static_cast<int>(std::floor(s / 3600.0));
    a.gradi = std::fmod(s, 3600.0) / 10.0;
    return a;
}

QString FraseTempoPassato(int minuti)
{
    if (minuti <= 0)
        return QStringLiteral("Non è passato ancora nessun minuto");
    const int ore = minuti / 60;
    const int resto = minuti % 60;
    const QString parteMinuti = resto == 1 ? QStringLiteral("un minuto") : Numero(resto) + QStringLiteral(" minuti");
    if (ore == 0)
        return resto == 1 ? QStringLiteral("È passato un minuto") : QStringLiteral("Sono passati ") + parteMinuti;
    QString frase = ore == 1 ? QStringLiteral("È passata un'ora")
                             : QStringLiteral("Sono passate ") + Numero(ore) + QStringLiteral(" ore");
    if (resto > 0)
        frase += QStringLiteral(" e ") + parteMinuti;
    return frase;
}
