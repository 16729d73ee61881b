// SPDX-License-Identifier: GPL-3.0-or-later
#include "DettiLivello.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

#include "OraInParole.h"

QString DettoProprio(int ore, int minuti)
{
    QString frase = OraInParole(ore, minuti);
    for (const QString& verbo : {QStringLiteral("Sono "), QStringLiteral("È ")})
        if (frase.startsWith(verbo)) {
            frase.remove(0, verbo.size());
            break;
        }
    if (!frase.isEmpty())
        frase[0] = frase[0].toUpper();
    return frase;
}

QVector<Detto> DettiDelLivello(Livello livello, const QVector<ModoDiDire>& fissi)
{
    QVector<Detto> detti;
    for (int i = 0; i < fissi.size(); ++i) {
        int H = 0, M = 0;
        OrarioModoDiDire(fissi[i].orario, H, M);
        const int t = H * 60 + M;
        if (livello == Livello::OgniMinuto || (t != 0 && OrarioDelLivello(livello, H, M)))
            detti.append({i + 1, fissi[i].testo, t});
    }
    if (livello == Livello::OgniMinuto)
        return detti;
    const int passo = PassoDelLivello(livello);
    for (int t = passo; t < 24 * 60; t += passo) {
        const QString testo = DettoProprio(t / 60, t % 60);
        const bool giaDetto =
            std::any_of(detti.cbegin(), detti.cend(), [&testo](const Detto& d) { return d.testo == testo; });
        if (!giaDetto)
            detti.append({kPrimoDettoProprio + t, testo, t});
    }
    return detti;
}

int MinutiDelDetto(int numero, const QVector<ModoDiDire>& fissi)
{
    if (numero >= 1 && numero <= fissi.size()) {
        int H = 0, M = 0;
        OrarioModoDiDire(fissi[numero - 1].orario, H, M);
        return H * 60 + M;
    }
    if (numero >= kPrimoDettoProprio && numero < kPrimoDettoProprio + 24 * 60)
        return numero - kPrimoDettoProprio;
    return -1;
}

Detto DettoNuovoDelLivello(const QVector<Detto>& detti, int minutiUltimo, const std::function<double()>& estrai)
{
    if (detti.isEmpty())
        return {};
    const bool altri =
        std::any_of(detti.cbegin(), detti.cend(), [minutiUltimo](const Detto& d) { return d.minuti != minutiUltimo; });
    const auto quanti = static_cast<int>(detti.size());
    Detto d;
    do {
        d = detti[qBound(0, static_cast<int>(std::floor(estrai() * quanti)), quanti - 1)];
    } while (altri && d.minuti == minutiUltimo);
    return d;
}
