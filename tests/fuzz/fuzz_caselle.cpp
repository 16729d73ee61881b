// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the birthday calculator and the exercise answer boxes with arbitrary
// typed and pasted text and arbitrary "today" dates. Besides crashes and sanitizer
// reports it checks every verdict against an independent computation with QDate
// arithmetic (birthday) or plain integer arithmetic (answers).
//
// Input layout: 4 bytes of today's date, 1 byte of kind and clock, then five texts
// separated by '\n': day, month, year, hours, minutes. A text that begins with '!'
// is pasted whole; any other is typed key by key.

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CalcoloCompleanno.h"
#include "Esercizi.h"

namespace {

void fallisci(const char* cosa)
{
    std::fprintf(stderr, "verdict disagrees: %s\n", cosa);
    std::abort();
}

// A box that takes digits only and at most `massimo` characters, as the windows' boxes do:
// a typed key that is not a digit or does not fit is dropped; a paste that is not all
// digits or does not fit is refused whole.
QString riempi(const QString& testo, int massimo)
{
    QString box;
    if (testo.startsWith(QLatin1Char('!'))) {
        const QString incollato = testo.mid(1);
        if (incollato.size() <= massimo && (incollato.isEmpty() || CalcoloCompleanno::SoloCifre(incollato)))
            box = incollato;
        return box;
    }
    for (QChar c : testo) {
        if (c == QLatin1Char('\b')) {
            box.chop(1);
            continue;
        }
        if (c.isDigit() && c.unicode() < 128 && box.size() < massimo)
            box += c;
    }
    return box;
}

void controllaCompleanno(const QString& g, const QString& m, const QString& a, const QDate& oggi)
{
    using namespace CalcoloCompleanno;
    const Esito e = Calcola(g, m, a, oggi);
    const QDate attesa(a.toInt(), m.toInt(), g.toInt());
    const bool dovrebbe =
        !g.isEmpty() && !m.isEmpty() && !a.isEmpty() && a.toInt() >= PrimoAnno && attesa.isValid() && attesa <= oggi;
    if (e.valido != dovrebbe)
        fallisci("birthday accepted or refused wrongly");
    if (!e.valido)
        return;
    if (e.nascita != attesa)
        fallisci("date of birth");
    if (e.giornoSettimana != NomeGiorno(attesa.dayOfWeek()))
        fallisci("weekday of birth");
    if (e.anni < 0 || e.mesi < 0 || e.mesi > 11 || e.giorni < 0 || e.giorni > 30)
        fallisci("age out of range");
    if (attesa.day() <= 28 && attesa.addYears(e.anni).addMonths(e.mesi).addDays(e.giorni) != oggi)
        fallisci("age does not add up to today");
    if (e.prossimoCompleanno < oggi || oggi.daysTo(e.prossimoCompleanno) != e.giorniAlCompleanno
        || e.giorniAlCompleanno > 366)
        fallisci("days to the next birthday");
    const bool finto29 = attesa.month() == 2 && attesa.day() == 29 && !QDate::isLeapYear(e.prossimoCompleanno.year());
    const QDate festa = finto29 ? QDate(e.prossimoCompleanno.year(), 3, 1)
                                : QDate(e.prossimoCompleanno.year(), attesa.month(), attesa.day());
    if (festa != e.prossimoCompleanno)
        fallisci("next birthday is not the birthday");
    if (e.suona != (e.giorniAlCompleanno != 0))
        fallisci("sound on the birthday itself");
}

void controllaRisposta(const QString& ore, const QString& minuti, uint8_t scelta)
{
    // A whole minute of the day for the clock, and a kind 0, 1 or 2.
    const int tipo = scelta % 3;
    const int minutoDelGiorno = (scelta * 37) % 1440;
    OrologioMostrato orologio;
    orologio.tempo = static_cast<float>(minutoDelGiorno * 60);
    orologio.ore = orologio.tempo / 3600.0f;
    orologio.minuti = static_cast<float>(minutoDelGiorno % 60);
    const QString orario =
        DueCifre(ore.isEmpty() ? 0 : ore.toInt() % 100) + DueCifre(minuti.isEmpty() ? 0 : minuti.toInt() % 100);
    const Verdetto v = GiudicaRisposta(static_cast<TipoDomanda>(tipo), ore, minuti, orologio, orario);

    const int h = ore.isEmpty() ? 0 : ore.toInt();
    const int m = minuti.isEmpty() ? 0 : minuti.toInt();
    Verdetto atteso;
    if (tipo == 0 && ore.isEmpty())
        atteso = Verdetto::MancanoOre;
    else if (tipo == 0 && minuti.isEmpty())
        atteso = Verdetto::MancanoMinuti;
    else if (tipo == 2)
        atteso = (h % 100 == minutoDelGiorno / 60 && m % 100 == minutoDelGiorno % 60) ? Verdetto::Esatta
                                                                                      : Verdetto::Sbagliata;
    else
        atteso = (h * 3600 + m * 60 == minutoDelGiorno * 60) ? Verdetto::Esatta : Verdetto::Sbagliata;
    if (v != atteso)
        fallisci("answer judged wrongly");
    if (OltreIlLimite(ore, 24) != (!ore.isEmpty() && h >= 24))
        fallisci("hours limit");
    if (OltreIlLimite(minuti, 60) != (!minuti.isEmpty() && m >= 60))
        fallisci("minutes limit");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 5)
        return 0;
    uint32_t giorni = 0;
    std::memcpy(&giorni, data, 4);
    // Today between 1 January 1850 and about the year 2400.
    const QDate oggi = QDate(1850, 1, 1).addDays(giorni % 200000);
    const uint8_t scelta = data[4];
    const QStringList testi =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 5), static_cast<qsizetype>(size - 5))
            .split(QLatin1Char('\n'));
    auto testo = [&](int i) { return i < testi.size() ? testi[i] : QString(); };

    controllaCompleanno(riempi(testo(0), 2), riempi(testo(1), 2), riempi(testo(2), 4), oggi);
    controllaRisposta(riempi(testo(3), 2), riempi(testo(4), 2), scelta);
    return 0;
}
