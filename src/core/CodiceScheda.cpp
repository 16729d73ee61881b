// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodiceScheda.h"

namespace {

constexpr char kCifre[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kCaratteri = 9;
constexpr int kBitDati = 30;
constexpr int kBitControllo = 15;

// CRC-15 with polynomial x^15 + x^14 + x^10 + x^8 + x^7 + x^4 + x^3 + 1, from all
// ones, over the data's bits from the first.
quint32 Controllo(quint64 dati)
{
    quint32 crc = 0x7fff;
    for (int i = kBitDati - 1; i >= 0; --i) {
        const quint32 bit = static_cast<quint32>((dati >> i) & 1U);
        const quint32 alto = (crc >> 14) & 1U;
        crc = (crc << 1) & 0x7fff;
        if (bit ^ alto)
            crc ^= 0x4599;
    }
    return crc;
}

// The value of a character of a code, or -1.
int Valore(QChar c)
{
    const QChar m = c.toUpper();
    if (m == QLatin1Char('O'))
        return 0;
    if (m == QLatin1Char('I') || m == QLatin1Char('L'))
        return 1;
    for (int i = 0; i < 32; ++i)
        if (m == QLatin1Char(kCifre[i]))
            return i;
    return -1;
}

QString NonGiusto()
{
    return QStringLiteral("Il codice non è giusto: forse una lettera o una cifra è sbagliata o scambiata, "
                          "controllalo sulla scheda.");
}

} // namespace

QString CodiceScheda::testo() const
{
    quint64 dati = kVersione;
    dati = (dati << 5) | static_cast<quint64>(scelta.tipi & 0x1f);
    dati = (dati << 3) | static_cast<quint64>(static_cast<int>(scelta.livello) & 0x7);
    dati = (dati << 1) | (scelta.forma == FormaOra::Ventiquattro ? 1U : 0U);
    dati = (dati << 2) | static_cast<quint64>(qMax(0, QuantitaPossibili().indexOf(scelta.quanti)) & 0x3);
    dati = (dati << 2) | static_cast<quint64>(static_cast<int>(scelta.numeri) & 0x3);
    dati = (dati << 14) | static_cast<quint64>(seme & (kSemi - 1));
    const quint64 tutto = (dati << kBitControllo) | Controllo(dati);

    QString t;
    for (int i = kCaratteri - 1; i >= 0; --i) {
        t += QLatin1Char(kCifre[(tutto >> (5 * i)) & 0x1f]);
        if (i == 6 || i == 3)
            t += QLatin1Char('-');
    }
    return t;
}

QString CodiceScheda::Leggi(const QString& testo, CodiceScheda& codice)
{
    quint64 tutto = 0;
    int letti = 0;
    for (const QChar c : testo) {
        if (c.isSpace() || c == QLatin1Char('-'))
            continue;
        const int v = Valore(c);
        if (v < 0)
            return QStringLiteral("Nel codice c'è «%1», che in un codice non c'è mai: un codice ha solo cifre e "
                                  "lettere, per esempio «K4T-9QX-2MB».")
                .arg(c);
        if (++letti <= kCaratteri)
            tutto = (tutto << 5) | static_cast<quint64>(v);
    }
    if (letti == 0)
        return QStringLiteral("Scrivi il codice che si legge in fondo alla scheda, per esempio «K4T-9QX-2MB».");
    if (letti != kCaratteri)
        return QStringLiteral("Il codice di una scheda ha 9 tra lettere e cifre, questo ne ha %1: controlla di "
                              "averlo copiato tutto e giusto.")
            .arg(letti);

    const quint64 dati = tutto >> kBitControllo;
    if ((tutto & 0x7fff) != Controllo(dati))
        return NonGiusto();
    const int versione = static_cast<int>(dati >> 27);
    if (versione > kVersione)
        return QStringLiteral("Il codice è di una versione più nuova di Tempolino: aggiorna il programma per "
                              "riavere questa scheda.");
    CodiceScheda letto;
    letto.seme = static_cast<int>(dati & (kSemi - 1));
    letto.scelta.numeri = static_cast<StileQuadrante>((dati >> 14) & 0x3);
    letto.scelta.quanti = QuantitaPossibili().value(static_cast<int>((dati >> 16) & 0x3));
    letto.scelta.forma = ((dati >> 18) & 1U) ? FormaOra::Ventiquattro : FormaOra::Maestra;
    letto.scelta.livello = static_cast<Livello>((dati >> 19) & 0x7);
    letto.scelta.tipi = static_cast<int>((dati >> 22) & 0x1f);
    // A code the program never writes, even with a right check, gives no sheet.
    if (versione < 1 || !letto.scelta.valida())
        return NonGiusto();
    codice = letto;
    return {};
}
