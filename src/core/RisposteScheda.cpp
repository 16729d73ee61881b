// SPDX-License-Identifier: GPL-3.0-or-later
#include "RisposteScheda.h"

namespace {

QString Ore(int n)
{
    return n == 1 ? QStringLiteral("un'ora") : NumeroInParole(n) + QStringLiteral(" ore");
}

// The part of the day after a time in figures, as the teacher's wording has it.
QString Parte(int ore)
{
    if (ore < 6)
        return QStringLiteral("di notte");
    if (ore < 12)
        return QStringLiteral("del mattino");
    if (ore < 18)
        return QStringLiteral("del pomeriggio");
    return QStringLiteral("di sera");
}

} // namespace

QString OraInCifre(int minuti, FormaOra forma)
{
    const int ore = (minuti / 60) % 24;
    const QString mm = QStringLiteral("%1").arg(minuti % 60, 2, 10, QLatin1Char('0'));
    if (forma == FormaOra::Ventiquattro)
        return QStringLiteral("%1:%2").arg(ore).arg(mm);
    const int dodici = ore % 12 == 0 ? 12 : ore % 12;
    return QStringLiteral("%1:%2 %3").arg(dodici).arg(mm, Parte(ore));
}

QString OraDetta(int minuti, FormaOra forma)
{
    QString frase = OraInParole(minuti / 60, minuti % 60, forma);
    for (const QString& inizio : {QStringLiteral("Sono "), QStringLiteral("È ")}) {
        if (frase.startsWith(inizio)) {
            frase.remove(0, inizio.size());
            frase[0] = frase[0].toUpper();
            break;
        }
    }
    return frase;
}

QString FraseParteDelGiorno(int minuti)
{
    const int ore = (minuti / 60) % 24;
    if (ore < 6)
        return QStringLiteral("È notte.");
    if (ore < 12)
        return QStringLiteral("È mattina.");
    if (ore < 18)
        return QStringLiteral("È pomeriggio.");
    return QStringLiteral("È sera.");
}

QString DurataInCifre(int minuti)
{
    const int h = minuti / 60;
    const int m = minuti % 60;
    QStringList parti;
    if (h > 0)
        parti << (h == 1 ? QStringLiteral("1 ora") : QStringLiteral("%1 ore").arg(h));
    if (m > 0 || h == 0)
        parti << (m == 1 ? QStringLiteral("1 minuto") : QStringLiteral("%1 minuti").arg(m));
    return parti.join(QStringLiteral(" e "));
}

QString DurataInParole(int minuti)
{
    const int h = minuti / 60;
    const int m = minuti % 60;
    QStringList parti;
    if (h > 0)
        parti << Ore(h);
    if (m > 0)
        parti << (m == 1 ? QStringLiteral("un minuto") : NumeroInParole(m) + QStringLiteral(" minuti"));
    return parti.join(QStringLiteral(" e "));
}

QString TraQuanto(int minuti)
{
    const int h = minuti / 60;
    const int m = minuti % 60;
    if (h == 0) {
        switch (m) {
        case 1:
            return QStringLiteral("tra un minuto");
        case 15:
            return QStringLiteral("tra un quarto d'ora");
        case 30:
            return QStringLiteral("tra mezz'ora");
        case 45:
            return QStringLiteral("tra tre quarti d'ora");
        default:
            return QStringLiteral("tra %1 minuti").arg(m);
        }
    }
    const QString tra = QStringLiteral("tra ") + Ore(h);
    switch (m) {
    case 0:
        return tra;
    case 1:
        return tra + QStringLiteral(" e un minuto");
    case 15:
        return tra + QStringLiteral(" e un quarto");
    case 30:
        return tra + QStringLiteral(" e mezza");
    case 45:
        return tra + QStringLiteral(" e tre quarti");
    default:
        return tra + QStringLiteral(" e %1 minuti").arg(m);
    }
}

TestoVoce TestiVoce(const VoceScheda& voce, FormaOra forma)
{
    TestoVoce t;
    t.rispostaCifre = OraInCifre(voce.inizio, forma);
    t.rispostaParole = OraDetta(voce.inizio, forma);
    switch (voce.tipo) {
    case TipoVoce::Leggi:
        t.domanda = QStringLiteral("Che ore sono?");
        t.dato = FraseParteDelGiorno(voce.inizio);
        break;
    case TipoVoce::Disegna:
        t.domanda = QStringLiteral("Disegna le lancette:");
        t.dato = OraInCifre(voce.inizio, forma);
        break;
    case TipoVoce::DisegnaDetto:
        t.domanda = QStringLiteral("Disegna le lancette:");
        t.dato = OraDetta(voce.inizio, forma);
        break;
    case TipoVoce::QuantoTempo:
        t.domanda = QStringLiteral("Quanto tempo è passato?");
        t.dato = QStringLiteral("Dal primo orologio al secondo.");
        t.rispostaCifre = DurataInCifre(voce.durata);
        t.rispostaParole = DurataInParole(voce.durata);
        break;
    case TipoVoce::CheOreSaranno: {
        QString quando = TraQuanto(voce.durata);
        quando[0] = quando[0].toUpper();
        t.domanda = quando + QStringLiteral(" che ore saranno?");
        t.dato = FraseParteDelGiorno(voce.inizio);
        t.rispostaCifre = OraInCifre(voce.fine(), forma);
        t.rispostaParole = OraDetta(voce.fine(), forma);
        break;
    }
    }
    return t;
}
