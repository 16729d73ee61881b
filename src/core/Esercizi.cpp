// SPDX-License-Identifier: GPL-3.0-or-later
#include "Esercizi.h"

#include <QtGlobal>
#include <cmath>

QString TestoPremiOK()
{
    return QStringLiteral("QUANDO HAI TERMINATO, PREMI IL PULSANTE OK!");
}

QString TestoIstruzioni(TipoDomanda tipo)
{
    const QString crlf = QStringLiteral("\r\n");
    switch (tipo) {
    case TipoDomanda::Lettura:
        return QStringLiteral("Leggi l'orario visualizzato dall'orologio e scrivi, nelle due caselle")
            + QStringLiteral(" corrispondenti, le ore e i minuti indicati dalle lancette.") + crlf
            + QStringLiteral("Attenzione: verifica la posizione del sole o della luna per capire ")
            + QStringLiteral("se è mattino o sera, oppure, se è pomeriggio o notte.");
    case TipoDomanda::Impostazione:
        return QStringLiteral("Prova ad impostare, facendo sempre molta attenzione alla ")
            + QStringLiteral("posizione del sole o della luna, le lancette dell'orologio all'orario indicato ")
            + QStringLiteral("nelle due caselle hh (ore) e mm (minuti).") + crlf
            + QStringLiteral("Per spostare le lancette utilizza i quattro pulsantini nel lato destro "
                             "dell'orologio.");
    case TipoDomanda::ModoDiDire:
        return QStringLiteral("Prova ad impostare, facendo sempre molta attenzione alla ")
            + QStringLiteral("posizione del sole o della luna, le lancette dell'orologio all'orario indicato ")
            + QStringLiteral("nella casella qui a fianco.") + crlf
            + QStringLiteral("Per spostare le lancette utilizza i quattro pulsantini nel lato destro "
                             "dell'orologio.");
    }
    return {};
}

bool ContieneNumero(const QString& testo)
{
    if (testo.isEmpty() || testo.size() > 9)
        return false;
    for (QChar c : testo)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

int ValoreCasella(const QString& testo)
{
    return ContieneNumero(testo) ? testo.toInt() : 0;
}

bool OltreIlLimite(const QString& testo, int limite)
{
    return ContieneNumero(testo) && testo.toInt() >= limite;
}

QString DueCifre(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

ModoDiDire LeggiModoDiDire(const QString& voce)
{
    // The last five characters are the full stop and the four digits.
    if (voce.size() < 5)
        return {QString(), voce.right(4)};
    return {voce.left(voce.size() - 5), voce.right(4)};
}

int NumeroModoDiDire(double r)
{
    return qBound(1, static_cast<int>(std::floor(r * 22 + 1)), 22);
}

void OrarioModoDiDire(const QString& orario, int& ore, int& minuti)
{
    const QString t = orario.isEmpty() ? QStringLiteral("0") : orario;
    ore = ValoreCasella(t.left(2));
    minuti = ValoreCasella(t.right(2));
}

Verdetto GiudicaRisposta(TipoDomanda tipo, const QString& ore, const QString& minuti, const OrologioMostrato& orologio,
                         const QString& orario)
{
    const float risposta = static_cast<float>(ValoreCasella(ore) * 3600 + ValoreCasella(minuti) * 60);
    switch (tipo) {
    case TipoDomanda::Lettura:
        if (ore.isEmpty())
            return Verdetto::MancanoOre;
        if (minuti.isEmpty())
            return Verdetto::MancanoMinuti;
        return risposta == orologio.tempo ? Verdetto::Esatta : Verdetto::Sbagliata;
    case TipoDomanda::Impostazione:
        return risposta == orologio.tempo ? Verdetto::Esatta : Verdetto::Sbagliata;
    case TipoDomanda::ModoDiDire:
        break;
    }
    int H = 0, M = 0;
    OrarioModoDiDire(orario, H, M);
    const bool giusta =
        static_cast<int>(std::floor(orologio.ore)) == H && static_cast<int>(std::floor(orologio.minuti)) == M;
    return giusta ? Verdetto::Esatta : Verdetto::Sbagliata;
}
