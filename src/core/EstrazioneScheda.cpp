// SPDX-License-Identifier: GPL-3.0-or-later
#include "EstrazioneScheda.h"

#include "CasualeScheda.h"

namespace {

constexpr int kGiorno = 24 * 60;
constexpr int kQuadrante = 12 * 60;

// Fisher-Yates with the sheet's own generator.
template <typename T>
void Mescola(QVector<T>& v, CasualeScheda& caso)
{
    for (auto i = v.size() - 1; i > 0; --i)
        std::swap(v[i], v[caso.sotto(static_cast<int>(i) + 1)]);
}

bool DaDisegnare(TipoVoce tipo)
{
    return tipo == TipoVoce::Disegna || tipo == TipoVoce::DisegnaDetto;
}

} // namespace

int DurataMassima(Livello livello)
{
    switch (livello) {
    case Livello::OreIntere:
        return 5 * 60;
    case Livello::MezzOre:
        return 4 * 60;
    case Livello::Quarti:
        return 3 * 60;
    case Livello::CinqueMinuti:
        return 2 * 60;
    case Livello::OgniMinuto:
        break;
    }
    return 90;
}

QVector<VoceScheda> EstraiScheda(const CodiceScheda& codice)
{
    const SceltaScheda& s = codice.scelta;
    // The whole code seeds the draw: the same seed with other choices is another sheet.
    CasualeScheda caso(static_cast<quint32>(codice.seme) | (static_cast<quint32>(s.tipi) << 14)
                       | (static_cast<quint32>(s.livello) << 19)
                       | (static_cast<quint32>(s.forma == FormaOra::Ventiquattro) << 22)
                       | (static_cast<quint32>(s.quanti) << 23));
    const int n = s.quanti;
    const int passo = PassoDelLivello(s.livello);
    const int posizioni = kQuadrante / passo;

    // One position of the hands in each equal stretch of the dial.
    QVector<int> tempi;
    for (int i = 0; i < n; ++i) {
        const int da = i * posizioni / n;
        const int a = (i + 1) * posizioni / n;
        tempi.append((da + caso.sotto(a - da)) * passo);
    }
    // Half in the first twelve hours, half in the second; an odd one out goes either way.
    QVector<int> meta;
    for (int i = 0; i < n; ++i)
        meta.append(i < n / 2 ? 0 : 1);
    if (n % 2)
        meta.last() = static_cast<int>(caso.sotto(2));
    Mescola(meta, caso);
    for (int i = 0; i < n; ++i)
        tempi[i] += meta[i] * kQuadrante;
    Mescola(tempi, caso);

    const QVector<TipoVoce> tipi = s.tipiScelti();
    const int passiMassimi = DurataMassima(s.livello) / passo;
    QVector<VoceScheda> voci;
    for (int i = 0; i < n; ++i) {
        VoceScheda v;
        v.tipo = tipi[i * static_cast<int>(tipi.size()) / n];
        v.inizio = tempi[i];
        if (DaDisegnare(v.tipo) && v.inizio == 0)
            v.inizio = kQuadrante;
        if (v.tipo == TipoVoce::QuantoTempo || v.tipo == TipoVoce::CheOreSaranno) {
            // At least two steps of any minute: "tra 1 minuto" asks nothing to draw.
            const int minimo = passo == 1 ? 2 : 1;
            v.durata = (minimo + caso.sotto(passiMassimi - minimo + 1)) * passo;
            if (v.tipo == TipoVoce::CheOreSaranno && v.fine() == 0)
                v.durata += v.durata > minimo * passo ? -passo : passo;
        }
        voci.append(v);
    }
    return voci;
}
