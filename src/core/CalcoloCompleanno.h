// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The birthday calculator of the curiosities window, without any widget: from the
// three texts of the date boxes (day, month, year) and today's date it finds the
// weekday of birth, the age in years, months and days and the days to the next
// birthday, and writes the three lines the child reads. It also holds the rules
// the boxes follow while the child types.

#include <QDate>
#include <QString>

namespace CalcoloCompleanno {

// The three date boxes, in the order of the window's group txtdata.
enum Casella { Giorno = 0, Mese = 1, Anno = 2 };

// The earliest year of birth the calculator accepts.
constexpr int PrimoAnno = 1850;

// The name of a weekday counted from Monday = 1 to Sunday = 7; empty for other numbers.
QString NomeGiorno(int numero);

// True when the text is one or more of the digits 0 to 9 and nothing else.
bool SoloCifre(const QString& testo);

// What a box does after its text has changed.
struct Controllo {
    bool svuota = false; // the number is too big for the box: empty it
    bool avanza = false; // the box is full: move the focus to the next control
};
// Day above 31, month above 12, year above the current year empty the box; a full
// day or month box (2 digits) or year box (4 digits) moves the focus on.
Controllo ControllaCasella(int casella, const QString& testo, int annoCorrente);

// The outcome of pressing "OK!".
struct Esito {
    bool valido = false;
    // On a refusal: the box that gets the focus (-1: the focus stays), and whether
    // the year box is emptied (a year before PrimoAnno).
    int casellaFocus = -1;
    bool svuotaAnno = false;

    // On success:
    QDate nascita;
    QDate prossimoCompleanno;
    QString giornoSettimana;
    int anni = 0, mesi = 0, giorni = 0;
    int giorniAlCompleanno = 0;
    QString testo;      // the three lines, separated by CR LF
    bool suona = false; // the days-to-birthday line was written: the caller plays its sound
};

// Checks the three box texts against today's date and computes the result.
Esito Calcola(const QString& giorno, const QString& mese, const QString& anno, const QDate& oggi);

// The next birthday on or after today for someone born on `nascita`. A birthday on
// 29 February falls on 1 March in years without 29 February.
QDate ProssimoCompleanno(const QDate& nascita, const QDate& oggi);

struct Eta {
    int anni = 0, mesi = 0, giorni = 0;
};
// The age on `oggi` of someone born on `nascita` (not after `oggi`). When today's
// day is before the day of birth, a month is taken and its real length added to
// the days (February counts 28 or 29), as many times as needed.
Eta CalcolaEta(const QDate& nascita, const QDate& oggi);

} // namespace CalcoloCompleanno
