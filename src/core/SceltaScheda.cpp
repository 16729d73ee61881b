// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceltaScheda.h"

QString NomeTipoVoce(TipoVoce tipo)
{
    switch (tipo) {
    case TipoVoce::Leggi:
        return QStringLiteral("Leggi l'orologio");
    case TipoVoce::Disegna:
        return QStringLiteral("Disegna le lancette");
    case TipoVoce::DisegnaDetto:
        return QStringLiteral("Disegna le lancette: il modo di dire");
    case TipoVoce::QuantoTempo:
        return QStringLiteral("Quanto tempo è passato?");
    case TipoVoce::CheOreSaranno:
        break;
    }
    return QStringLiteral("Che ore saranno?");
}

QVector<TipoVoce> SceltaScheda::tipiScelti() const
{
    QVector<TipoVoce> scelti;
    for (int n = 0; n < kNumeroTipiVoce; ++n)
        if (ha(static_cast<TipoVoce>(n)))
            scelti.append(static_cast<TipoVoce>(n));
    return scelti;
}

bool SceltaScheda::valida() const
{
    const int livelloN = static_cast<int>(livello);
    const int numeriN = static_cast<int>(numeri);
    return tipi > 0 && tipi < (1 << kNumeroTipiVoce) && livelloN >= 0 && livelloN < kNumeroLivelli
        && (forma == FormaOra::Maestra || forma == FormaOra::Ventiquattro) && QuantitaPossibili().contains(quanti)
        && numeriN >= 0 && numeriN <= 2;
}
