// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalcoloCompleanno.h"

namespace CalcoloCompleanno {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The value of the digits at the start of a text (spaces before them ignored), 0 when
// there are none; a year box holding something other than digits counts as year 0.
int ValoreIniziale(const QString& testo)
{
    qint64 valore = 0;
    int i = 0;
    while (i < testo.size() && testo[i] == QLatin1Char(' '))
        ++i;
    for (; i < testo.size() && testo[i] >= QLatin1Char('0') && testo[i] <= QLatin1Char('9'); ++i) {
        valore = valore * 10 + (testo[i].unicode() - '0');
        if (valore > 99999999)
            break;
    }
    return static_cast<int>(valore);
}

// The date written in the three boxes, or a null date when it is not a real one.
QDate DataScritta(const QString& giorno, const QString& mese, const QString& anno)
{
    if (!SoloCifre(giorno) || !SoloCifre(mese) || !SoloCifre(anno))
        return {};
    if (giorno.size() > 2 || mese.size() > 2 || anno.size() > 4)
        return {};
    const QDate d(anno.toInt(), mese.toInt(), giorno.toInt());
    return d.isValid() ? d : QDate();
}

// The birthday of `nascita` in `anno`: 29 February becomes 1 March when the year has no 29 February.
QDate CompleannoNellAnno(const QDate& nascita, int anno)
{
    const QDate d(anno, nascita.month(), nascita.day());
    return d.isValid() ? d : QDate(anno, 3, 1);
}

QString Parola(int n, const char* singolare, const char* plurale)
{
    return QString::fromUtf8(n == 1 ? singolare : plurale);
}

} // namespace

QString NomeGiorno(int numero)
{
    switch (numero) {
    case 1:
        return QStringLiteral("Lunedì");
    case 2:
        return QStringLiteral("Martedì");
    case 3:
        return QStringLiteral("Mercoledì");
    case 4:
        return QStringLiteral("Giovedì");
    case 5:
        return QStringLiteral("Venerdì");
    case 6:
        return QStringLiteral("Sabato");
    case 7:
        return QStringLiteral("Domenica");
    default:
        return {};
    }
}

bool SoloCifre(const QString& testo)
{
    if (testo.isEmpty())
        return false;
    for (QChar c : testo)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

Controllo ControllaCasella(int casella, const QString& testo, int annoCorrente)
{
    Controllo c;
    if (!SoloCifre(testo))
        return c;
    const int valore = ValoreIniziale(testo);
    switch (casella) {
    case Giorno:
        c.svuota = valore > 31;
        c.avanza = !c.svuota && testo.size() == 2;
        break;
    case Mese:
        c.svuota = valore > 12;
        c.avanza = !c.svuota && testo.size() == 2;
        break;
    case Anno:
        c.svuota = testo.size() > 4 || valore > annoCorrente;
        c.avanza = !c.svuota && testo.size() == 4;
        break;
    default:
        break;
    }
    return c;
}

QDate ProssimoCompleanno(const QDate& nascita, const QDate& oggi)
{
    QDate d = CompleannoNellAnno(nascita, oggi.year());
    if (d < oggi)
        d = CompleannoNellAnno(nascita, oggi.year() + 1);
    return d;
}

Eta CalcolaEta(const QDate& nascita, const QDate& oggi)
{
    // Months are counted on one line (year * 12 + month - 1), so taking a month from
    // January lands on December of the year before.
    int meseOggi = oggi.year() * 12 + oggi.month() - 1;
    int giornoOggi = oggi.day();
    while (giornoOggi < nascita.day()) {
        --meseOggi;
        giornoOggi += QDate(meseOggi / 12, meseOggi % 12 + 1, 1).daysInMonth();
    }
    const int meseNascita = nascita.year() * 12 + nascita.month() - 1;
    const int mesiInTutto = meseOggi - meseNascita;
    Eta e;
    e.anni = mesiInTutto / 12;
    e.mesi = mesiInTutto % 12;
    e.giorni = giornoOggi - nascita.day();
    return e;
}

Esito Calcola(const QString& giorno, const QString& mese, const QString& anno, const QDate& oggi)
{
    Esito r;
    const QString caselle[3] = {giorno, mese, anno};
    for (int i = 0; i < 3; ++i) {
        if (caselle[i].isEmpty()) {
            r.casellaFocus = i;
            return r;
        }
    }
    if (ValoreIniziale(anno) < PrimoAnno) {
        r.casellaFocus = Anno;
        r.svuotaAnno = true;
        return r;
    }
    const QDate nascita = DataScritta(giorno, mese, anno);
    if (!nascita.isValid() || nascita > oggi)
        return r;

    r.valido = true;
    r.nascita = nascita;
    r.prossimoCompleanno = ProssimoCompleanno(nascita, oggi);
    r.giorniAlCompleanno = static_cast<int>(oggi.daysTo(r.prossimoCompleanno));
    r.giornoSettimana = NomeGiorno(nascita.dayOfWeek());
    const Eta eta = CalcolaEta(nascita, oggi);
    r.anni = eta.anni;
    r.mesi = eta.mesi;
    r.giorni = eta.giorni;

    QString t = QStringLiteral("Il tuo giorno di nascita è stato di: ") + r.giornoSettimana + kCrLf
        + QStringLiteral("Oggi hai: ");
    t += QString::number(r.anni) + Parola(r.anni, " anno  ", " anni  ");
    t += QString::number(r.mesi) + Parola(r.mesi, " mese  ", " mesi  ");
    t += QString::number(r.giorni) + Parola(r.giorni, " giorno ", " giorni ");
    if (r.giorniAlCompleanno == 0) {
        t += kCrLf + QStringLiteral(" AUGURI! Oggi è il tuo compleanno.");
    } else {
        const int n = r.giorniAlCompleanno;
        t += kCrLf + QStringLiteral("Per il tuo prossimo compleanno") + Parola(n, " manca solo:  ", " mancano ancora: ")
            + QString::number(n) + Parola(n, " giorno ", " giorni ");
        r.suona = true;
    }
    r.testo = t;
    return r;
}

} // namespace CalcoloCompleanno
