// SPDX-License-Identifier: GPL-3.0-or-later
// The time in Italian words: a teacher's sentences with the part of the day, the
// 24-hour wording, reading them back, and every saying of the exercises read back to
// its own time.

#include <QtTest>

#include "Esercizi.h"
#include "OraInParole.h"
#include "Risorse.h"

class TestWords : public QObject {
    Q_OBJECT
private slots:
    void sentences_data();
    void sentences();
    void everyMinuteReadsBack_data();
    void everyMinuteReadsBack();
    void everySayingGivesItsTime_data();
    void everySayingGivesItsTime();
    void variantsAndNonsense_data();
    void variantsAndNonsense();
    void numbers_data();
    void numbers();
};

void TestWords::sentences_data()
{
    QTest::addColumn<int>("ore");
    QTest::addColumn<int>("minuti");
    QTest::addColumn<bool>("ventiquattro");
    QTest::addColumn<QString>("frase");
    auto riga = [](const char* nome, int h, int m, bool v, const char* frase) {
        QTest::newRow(nome) << h << m << v << QString::fromUtf8(frase);
    };
    riga("a quarter past three", 15, 15, false, "Sono le tre e un quarto del pomeriggio");
    riga("half past seven", 7, 30, false, "Sono le sette e mezza del mattino");
    riga("a quarter to nine, evening", 20, 45, false, "Sono le nove meno un quarto di sera");
    riga("a quarter to across the hour at night", 0, 45, false, "È l'una meno un quarto di notte");
    riga("noon and ten", 12, 10, false, "È mezzogiorno e dieci");
    riga("noon and a half is masculine", 12, 30, false, "È mezzogiorno e mezzo");
    riga("midnight and a half is feminine", 0, 30, false, "È mezzanotte e mezza");
    riga("five to midnight", 23, 55, false, "È mezzanotte meno cinque");
    riga("a quarter to noon", 11, 45, false, "È mezzogiorno meno un quarto");
    riga("one twenty at night", 1, 20, false, "È l'una e venti di notte");
    riga("one twenty in the afternoon", 13, 20, false, "È l'una e venti del pomeriggio");
    riga("midnight", 0, 0, false, "È mezzanotte");
    riga("24:00 is midnight", 24, 0, false, "È mezzanotte");
    riga("noon", 12, 0, false, "È mezzogiorno");
    riga("six in the morning", 6, 0, false, "Sono le sei del mattino");
    riga("six in the evening", 18, 0, false, "Sono le sei di sera");
    riga("a minute past", 9, 1, false, "Sono le nove e un minuto del mattino");
    riga("twenty-three past", 22, 23, false, "Sono le dieci e ventitré di sera");
    riga("forty-one past", 3, 41, false, "Sono le tre e quarantuno di notte");
    riga("twenty-five to", 16, 35, false, "Sono le cinque meno venticinque del pomeriggio");
    riga("a minute to one", 12, 59, false, "Manca un minuto all'una del pomeriggio");
    riga("two minutes to ten", 9, 58, false, "Mancano due minuti alle dieci del mattino");
    riga("four minutes to midnight", 23, 56, false, "Mancano quattro minuti a mezzanotte");
    riga("24 h: thirteen and five", 13, 5, true, "Sono le tredici e cinque");
    riga("24 h: a minute to thirteen", 12, 59, true, "Manca un minuto alle tredici");
    riga("24 h: a quarter to thirteen", 12, 45, true, "Sono le tredici meno un quarto");
    riga("24 h: twenty-one", 21, 0, true, "Sono le ventuno");
    riga("24 h: twenty-three and eight", 23, 8, true, "Sono le ventitré e otto");
    riga("24 h: morning as it is", 7, 30, true, "Sono le sette e mezza");
    riga("24 h: noon", 12, 0, true, "È mezzogiorno");
}

void TestWords::sentences()
{
    QFETCH(int, ore);
    QFETCH(int, minuti);
    QFETCH(bool, ventiquattro);
    QFETCH(QString, frase);
    QCOMPARE(OraInParole(ore, minuti, ventiquattro ? FormaOra::Ventiquattro : FormaOra::Maestra), frase);
}

void TestWords::everyMinuteReadsBack_data()
{
    QTest::addColumn<bool>("ventiquattro");
    QTest::newRow("teacher's wording") << false;
    QTest::newRow("24-hour wording") << true;
}

void TestWords::everyMinuteReadsBack()
{
    QFETCH(bool, ventiquattro);
    QSet<QString> frasi;
    for (int t = 0; t < 24 * 60; ++t) {
        const QString frase = OraInParole(t / 60, t % 60, ventiquattro ? FormaOra::Ventiquattro : FormaOra::Maestra);
        int h = -1, m = -1;
        QVERIFY2(ParoleInOra(frase, h, m), qPrintable(frase));
        QVERIFY2(h * 60 + m == t, qPrintable(QStringLiteral("%1 read as %2:%3").arg(frase).arg(h).arg(m)));
        frasi.insert(frase);
    }
    // Every minute of the day has words of its own.
    QCOMPARE(frasi.size(), 24 * 60);
}

void TestWords::everySayingGivesItsTime_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 22; ++n)
        QTest::newRow(qPrintable(LeggiModoDiDire(Risorse::stringa(300 + n)).testo)) << n;
}

void TestWords::everySayingGivesItsTime()
{
    QFETCH(int, n);
    const ModoDiDire detto = LeggiModoDiDire(Risorse::stringa(300 + n));
    int H = 0, M = 0;
    OrarioModoDiDire(detto.orario, H, M);
    int h = -1, m = -1;
    QVERIFY(ParoleInOra(detto.testo, h, m));
    QCOMPARE(h * 60 + m, H * 60 + M);
}

void TestWords::variantsAndNonsense_data()
{
    QTest::addColumn<QString>("parole");
    QTest::addColumn<int>("tempo"); // minutes of the day, -1 when the words are no time
    auto riga = [](const char* nome, const char* parole, int tempo) {
        QTest::newRow(nome) << QString::fromUtf8(parole) << tempo;
    };
    riga("full stop and capitals", "SONO LE TRE E UN QUARTO DEL POMERIGGIO.", 15 * 60 + 15);
    riga("e' for è", "E' l'una e dieci", 70);
    riga("typographic apostrophe", "È l’una", 60);
    riga("three quarters", "le otto e tre quarti di sera", 20 * 60 + 45);
    riga("fifteen for a quarter", "le tredici e quindici", 13 * 60 + 15);
    riga("di mattina", "le undici di mattina", 11 * 60);
    riga("eleven at night", "le undici di notte", 23 * 60);
    riga("twelve at night", "le dodici di notte", 0);
    riga("ventitre without its accent", "le ventitre e trenta", 23 * 60 + 30);
    riga("minutes named", "le quattro e venti minuti", 4 * 60 + 20);
    riga("no hour", "sono le e un quarto", -1);
    riga("hour beyond the clock", "le venticinque", -1);
    riga("more than half an hour to", "le tre meno quaranta", -1);
    riga("words after the time", "le tre e un quarto circa", -1);
    riga("counting down without minutes", "mancano due alle tre", -1);
    riga("empty", "", -1);
}

void TestWords::variantsAndNonsense()
{
    QFETCH(QString, parole);
    QFETCH(int, tempo);
    int h = -1, m = -1;
    const bool letta = ParoleInOra(parole, h, m);
    QCOMPARE(letta, tempo >= 0);
    if (letta)
        QCOMPARE(h * 60 + m, tempo);
}

void TestWords::numbers_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("parola");
    const std::pair<int, const char*> righe[] = {{1, "uno"},
                                                 {11, "undici"},
                                                 {17, "diciassette"},
                                                 {20, "venti"},
                                                 {21, "ventuno"},
                                                 {23, "ventitré"},
                                                 {28, "ventotto"},
                                                 {31, "trentuno"},
                                                 {38, "trentotto"},
                                                 {43, "quarantatré"},
                                                 {50, "cinquanta"},
                                                 {59, "cinquantanove"},
                                                 {0, ""},
                                                 {60, ""}};
    for (const auto& [n, parola] : righe)
        QTest::newRow(qPrintable(QString::number(n))) << n << QString::fromUtf8(parola);
}

void TestWords::numbers()
{
    QFETCH(int, n);
    QFETCH(QString, parola);
    QCOMPARE(NumeroInParole(n), parola);
}

QTEST_APPLESS_MAIN(TestWords)
#include "tst_words.moc"
