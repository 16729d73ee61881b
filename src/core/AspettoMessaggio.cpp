// SPDX-License-Identifier: GPL-3.0-or-later
#include "AspettoMessaggio.h"

#include <QtGlobal>
#include <cmath>

namespace {

const QColor kRosso(255, 0, 0);
const QColor kVerdeChiaro(128, 255, 128);

} // namespace

AspettoMessaggio AspettoPerCodice(int codice)
{
    AspettoMessaggio a;
    switch (codice) {
    case 0:
        a.banda = kVerdeChiaro;
        a.suono = Suono::RispostaEsatta;
        a.figura = 231;
        a.lode = true;
        break;
    case 1:
    case 9:
        a.testo = kRosso;
        a.banda = kRosso;
        a.suono = Suono::RispostaSbagliata;
        a.figura = 233;
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        a.testo = kRosso;
        break;
    case 6:
        a.pulsanteInizia = true;
        break;
    case 7:
        a.banda = kRosso;
        a.suono = Suono::RispostaSbagliata;
        a.figura = 233;
        a.inBasso = true;
        break;
    case 8:
        a.banda = kVerdeChiaro;
        a.suono = Suono::ProvaSuperata;
        a.figura = 231;
        a.bandaLampeggia = true;
        break;
    default:
        break;
    }
    return a;
}

QString LodePerEstrazione(double r)
{
    static const char* const lodi[5] = {"Ottimo.", "Benissimo.", "Molto bene.", "Perfetto.", "Bene."};
    int n = static_cast<int>(std::floor(r * 5 + 1));
    n = qBound(1, n, 5);
    return QString::fromLatin1(lodi[n - 1]);
}
