// SPDX-License-Identifier: GPL-3.0-or-later
#include "OraInParole.h"

#include <QHash>
#include <QStringList>

namespace {

// An hour as it is named in a sentence: "mezzanotte", "l'una", "le tre".
struct NomeOra {
    QString nome;
    bool singolare = false; // "È l'una", "Sono le tre"
    bool maschile = false;  // "mezzogiorno e mezzo", but "le tre e mezza"
    bool conParte = true;   // mezzanotte and mezzogiorno need no part of the day
};

NomeOra NominaOra(int ore, FormaOra forma)
{
    const int h = ore % 24;
    if (h == 0)
        return {QStringLiteral("mezzanotte"), true, false, false};
    if (h == 12)
        return {QStringLiteral("mezzogiorno"), true, true, false};
    const int n = forma == FormaOra::Maestra ? h % 12 : h;
    if (n == 1)
        return {QStringLiteral("l'una"), true, false, true};
    return {QStringLiteral("le ") + NumeroInParole(n), false, false, true};
}

// "alle tre", "all'una", "a mezzanotte".
QString ConA(const NomeOra& ora)
{
    if (ora.nome.startsWith(QLatin1String("le ")))
        return QStringLiteral("al") + ora.nome;
    if (ora.nome.startsWith(QLatin1String("l'")))
        return QStringLiteral("al") + ora.nome;
    return QStringLiteral("a ") + ora.nome;
}

// The part of the day of a time, as a teacher adds it to the hour.
QString ParteDelGiorno(int ore)
{
    const int h = ore % 24;
    if (h < 6)
        return QStringLiteral("di notte");
    if (h < 12)
        return QStringLiteral("del mattino");
    if (h < 18)
        return QStringLiteral("del pomeriggio");
    return QStringLiteral("di sera");
}

// The minutes said after "e": "un quarto", "mezza", "un minuto", "venti".
QString MinutiDopo(int minuti, const NomeOra& ora)
{
    if (minuti == 15)
        return QStringLiteral("un quarto");
    if (minuti == 30)
        return ora.maschile ? QStringLiteral("mezzo") : QStringLiteral("mezza");
    if (minuti == 1)
        return QStringLiteral("un minuto");
    return NumeroInParole(minuti);
}

QString Maiuscola(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

} // namespace

QString NumeroInParole(int n)
{
    static const char* const unita[20] = {"",         "uno",    "due",         "tre",      "quattro",
                                          "cinque",   "sei",    "sette",       "otto",     "nove",
                                          "dieci",    "undici", "dodici",      "tredici",  "quattordici",
                                          "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
    static const char* const decine[6] = {"", "", "venti", "trenta", "quaranta", "cinquanta"};
    if (n < 1 || n > 59)
        return {};
    if (n < 20)
        return QString::fromLatin1(unita[n]);
    QString d = QString::fromLatin1(decine[n / 10]);
    const int u = n % 10;
    if (u == 0)
        return d;
    // The tens lose their last vowel before "uno" and "otto"; "tre" at the end takes its accent.
    if (u == 1 || u == 8)
        d.chop(1);
    return d + (u == 3 ? QStringLiteral("tré") : QString::fromLatin1(unita[u]));
}

QString OraInParole(int ore, int minuti, FormaOra forma)
{
    const int h = ((ore % 24) + 24) % 24;
    const int m = ((minuti % 60) + 60) % 60;

    // Twenty-five, twenty, a quarter, ten and five to the hour, and the last four minutes,
    // are said from the next hour.
    const bool meno = m == 35 || m == 40 || m == 45 || m == 50 || m == 55;
    const bool mancano = m >= 56;
    const NomeOra ora = NominaOra(meno || mancano ? h + 1 : h, forma);

    QString frase;
    if (mancano) {
        const int prima = 60 - m;
        frase = prima == 1 ? QStringLiteral("manca un minuto ")
                           : QStringLiteral("mancano %1 minuti ").arg(NumeroInParole(prima));
        frase += ConA(ora);
    } else {
        frase = (ora.singolare ? QStringLiteral("è ") : QStringLiteral("sono ")) + ora.nome;
        if (meno)
            frase += QStringLiteral(" meno ") + (m == 45 ? QStringLiteral("un quarto") : NumeroInParole(60 - m));
        else if (m > 0)
            frase += QStringLiteral(" e ") + MinutiDopo(m, ora);
    }
    if (forma == FormaOra::Maestra && ora.conParte)
        frase += QLatin1Char(' ') + ParteDelGiorno(h);
    return Maiuscola(frase);
}

// ---- reading the words back

namespace {

// The words of a sentence, lower case, with an elided article kept as a word of its own:
// "All'una" gives "all'" and "una".
QStringList Parole(QString testo)
{
    testo = testo.toLower().trimmed();
    testo.replace(QChar(0x2019), QLatin1Char('\''));
    testo.replace(QStringLiteral("e'"), QStringLiteral("è"));
    while (testo.endsWith(QLatin1Char('.')) || testo.endsWith(QLatin1Char('!')))
        testo.chop(1);
    testo.replace(QLatin1Char('\''), QStringLiteral("' "));
    return testo.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// 1 to 59 from their words ("ventitré" also without its accent), and "una", "un".
int NumeroDa(const QString& parola)
{
    static const QHash<QString, int> numeri = [] {
        QHash<QString, int> t;
        for (int n = 1; n <= 59; ++n) {
            const QString s = NumeroInParole(n);
            t.insert(s, n);
            if (s.endsWith(QStringLiteral("tré")))
                t.insert(s.left(s.size() - 1) + QLatin1Char('e'), n);
        }
        t.insert(QStringLiteral("una"), 1);
        t.insert(QStringLiteral("un"), 1);
        return t;
    }();
    return numeri.value(parola, 0);
}

// Walks the words of a sentence.
class Lettore {
public:
    explicit Lettore(QStringList parole) : m_parole(std::move(parole)) {}
    bool finito() const { return m_i >= m_parole.size(); }
    QString prossima() const { return finito() ? QString() : m_parole[m_i]; }
    // Takes the next word when it is one of `scelte`.
    bool prendi(std::initializer_list<const char*> scelte)
    {
        for (const char* s : scelte)
            if (prossima() == QString::fromUtf8(s)) {
                ++m_i;
                return true;
            }
        return false;
    }
    // Takes the next two words when they are `a` `b`.
    bool prendi(const char* a, const char* b)
    {
        if (m_i + 1 < m_parole.size() && m_parole[m_i] == QString::fromUtf8(a)
            && m_parole[m_i + 1] == QString::fromUtf8(b)) {
            m_i += 2;
            return true;
        }
        return false;
    }
    // Takes a number word (1 to 59); 0 when the next word is none.
    int numero()
    {
        const int n = NumeroDa(prossima());
        if (n > 0)
            ++m_i;
        return n;
    }

private:
    QStringList m_parole;
    qsizetype m_i = 0;
};

enum class Parte { Nessuna, Mattino, Pomeriggio, Sera, Notte };

Parte LeggiParte(Lettore& l)
{
    if (l.prendi("del", "mattino") || l.prendi("di", "mattina") || l.prendi("della", "mattina"))
        return Parte::Mattino;
    if (l.prendi("del", "pomeriggio") || l.prendi("di", "pomeriggio"))
        return Parte::Pomeriggio;
    if (l.prendi("di", "sera") || l.prendi("della", "sera"))
        return Parte::Sera;
    if (l.prendi("di", "notte") || l.prendi("della", "notte"))
        return Parte::Notte;
    return Parte::Nessuna;
}

// An hour named in the sentence: its hour on the 24-hour clock before the part of the
// day is applied, and whether it was said by its number.
struct OraLetta {
    int ora = -1;
    bool numerica = false;
};

OraLetta LeggiOra(Lettore& l)
{
    if (l.prendi({"mezzanotte"}))
        return {0, false};
    if (l.prendi({"mezzogiorno"}))
        return {12, false};
    const int n = l.numero();
    if (n >= 1 && n <= 24)
        return {n % 24, true};
    return {};
}

// The part of the day moves an hour said by its number to the afternoon or evening.
int ConParte(const OraLetta& o, Parte parte)
{
    if (!o.numerica)
        return o.ora;
    switch (parte) {
    case Parte::Pomeriggio:
    case Parte::Sera:
        return o.ora >= 1 && o.ora < 12 ? o.ora + 12 : o.ora;
    case Parte::Notte:
        if (o.ora == 12)
            return 0;
        return o.ora >= 7 && o.ora < 12 ? o.ora + 12 : o.ora;
    default:
        return o.ora;
    }
}

// Minutes after "e" or "meno": "un quarto", "tre quarti", "mezza", "un minuto",
// a number optionally followed by "minuti"; 0 when there are none.
int LeggiMinuti(Lettore& l, bool dopoE)
{
    if (l.prendi("un", "quarto"))
        return 15;
    if (dopoE && l.prendi("tre", "quarti"))
        return 45;
    if (dopoE && l.prendi({"mezza", "mezzo"}))
        return 30;
    const int n = l.numero();
    if (n > 0)
        l.prendi({"minuto", "minuti"});
    return n;
}

} // namespace

bool ParoleInOra(const QString& parole, int& ore, int& minuti)
{
    Lettore l(Parole(parole));
    l.prendi({"sono", "è"});

    int differenza = 0;
    OraLetta ora;
    if (l.prendi({"manca", "mancano"})) {
        // "Mancano due minuti alle dieci": counted down to the hour.
        const int n = l.numero();
        if (n < 1 || !l.prendi({"minuto", "minuti"}) || !l.prendi({"a", "alle", "all'"}))
            return false;
        differenza = -n;
        ora = LeggiOra(l);
    } else {
        l.prendi({"le", "l'"});
        ora = LeggiOra(l);
        if (ora.ora < 0)
            return false;
        if (l.prendi({"e"})) {
            differenza = LeggiMinuti(l, true);
            if (differenza < 1)
                return false;
        } else if (l.prendi({"meno"})) {
            differenza = -LeggiMinuti(l, false);
            if (differenza > -1 || differenza < -30)
                return false;
        }
    }
    if (ora.ora < 0)
        return false;
    const Parte parte = LeggiParte(l);
    if (!l.finito())
        return false;

    const int totale = ((ConParte(ora, parte) * 60 + differenza) % 1440 + 1440) % 1440;
    ore = totale / 60;
    minuti = totale % 60;
    return true;
}
