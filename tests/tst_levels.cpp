// SPDX-License-Identifier: GPL-3.0-or-later
// The levels of the exercises: the times each level asks, drawn over the whole day and
// never twice in a row, the sayings of a level, the choice that lasts while the
// program runs, and the final test, which ignores it.

#include <QAbstractItemView>
#include <QComboBox>
#include <QtTest>
#include <algorithm>

#include "DettiLivello.h"
#include "Esercizi.h"
#include "Livelli.h"
#include "Risorse.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

// The 22 fixed sayings as the program keeps them.
QVector<ModoDiDire> DettiFissi()
{
    QVector<ModoDiDire> detti;
    for (int n = 1; n <= 22; ++n)
        detti << LeggiModoDiDire(Risorse::stringa(300 + n));
    return detti;
}

double EstrazionePer(int secondi)
{
    return (secondi - 0.5) / 86400.0;
}

// The program with the exercise area open on the given level.
struct Classe {
    TestWindow tw;
    QComboBox* livello;
    explicit Classe(Livello l = Livello::OgniMinuto) : livello(tw.c<QComboBox>("cmbLivello"))
    {
        tw.fake.dialogs->onModal = [](QDialog&) { return 1; };
        tw.c<QToolButton>("cmdTest")->click();
        livello->setCurrentIndex(static_cast<int>(l));
    }
    // The time of the question on screen, in minutes of the day.
    int domanda() const
    {
        if (tw.esercizi()->tipoEsercizio() == TipoDomanda::Lettura)
            return static_cast<int>(tw.w->stato()->TempoCorrente()) / 60;
        return tw.casella(0)->text().toInt() * 60 + tw.casella(1)->text().toInt();
    }
};

} // namespace

class TestLevels : public QObject {
    Q_OBJECT
private slots:
    void timesOfALevel_data();
    void timesOfALevel();
    void drawsOverManyQuestions_data();
    void drawsOverManyQuestions();
    void sayingsOfALevel_data();
    void sayingsOfALevel();
    void levelSayings_data();
    void levelSayings();
    void choiceStartsAtAnyMinuteAndLasts();
    void newLevelAsksAnew();
    void finalTestIgnoresTheLevel();
    void enterInTheListOnlyChooses_data();
    void enterInTheListOnlyChooses();
};

void TestLevels::timesOfALevel_data()
{
    QTest::addColumn<Livello>("livello");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("minuti");
    QTest::newRow("whole hours, first") << Livello::OreIntere << 0.0 << 0;
    QTest::newRow("whole hours, noon") << Livello::OreIntere << 0.5 << 12 * 60;
    QTest::newRow("whole hours, last") << Livello::OreIntere << 0.999999 << 23 * 60;
    QTest::newRow("half hours, last") << Livello::MezzOre << 0.999999 << 23 * 60 + 30;
    QTest::newRow("half hours, 7:30") << Livello::MezzOre << 15.5 / 48 << 7 * 60 + 30;
    QTest::newRow("quarters, last") << Livello::Quarti << 0.999999 << 23 * 60 + 45;
    QTest::newRow("five minutes, last") << Livello::CinqueMinuti << 0.999999 << 23 * 60 + 55;
    QTest::newRow("five minutes, 13:05") << Livello::CinqueMinuti << (157 + 0.5) / 288 << 13 * 60 + 5;
    QTest::newRow("any minute as the clock draws it")
        << Livello::OgniMinuto << EstrazionePer(15 * 3600 + 1260) << 15 * 60 + 21;
    QTest::newRow("any minute never 24:00") << Livello::OgniMinuto << 0.999999 << 0;
}

void TestLevels::timesOfALevel()
{
    QFETCH(Livello, livello);
    QFETCH(double, r);
    QFETCH(int, minuti);
    QCOMPARE(TempoDelLivello(livello, r), float(minuti * 60));
    QVERIFY(OrarioDelLivello(livello, minuti / 60, minuti % 60));
}

void TestLevels::drawsOverManyQuestions_data()
{
    QTest::addColumn<Livello>("livello");
    QTest::addColumn<int>("tipo");
    for (int l = 0; l < kNumeroLivelli; ++l)
        for (int tipo : {0, 1})
            QTest::newRow(
                qPrintable(NomeLivello(Livello(l)) + (tipo ? QStringLiteral(", set") : QStringLiteral(", read"))))
                << Livello(l) << tipo;
}

void TestLevels::drawsOverManyQuestions()
{
    QFETCH(Livello, livello);
    QFETCH(int, tipo);
    Classe c(livello);
    c.tw.c<AreaEsercizi>("picTest")->SelezionaTipo(static_cast<SceltaEsercizio>(tipo));
    const int passo = PassoDelLivello(livello);
    const int tempi = 24 * 60 / passo;
    constexpr int kDomande = 1200;

    QHash<int, int> volte;
    int precedente = c.domanda();
    int mattino = 0, pomeriggio = 0;
    for (int i = 0; i < kDomande; ++i) {
        if (tipo == 0)
            c.tw.esercizi()->PreparaLettura();
        else
            c.tw.esercizi()->PreparaImpostazione();
        const int t = c.domanda();
        QVERIFY2(t >= 0 && t < 24 * 60 && t % passo == 0, qPrintable(QString::number(t)));
        QVERIFY2(t != precedente, qPrintable(QString::number(t)));
        precedente = t;
        ++volte[t];
        (t < 12 * 60 ? mattino : pomeriggio)++;
    }
    // Morning and evening alike.
    QVERIFY(mattino > kDomande / 3 && pomeriggio > kDomande / 3);
    if (tempi <= 96) {
        // Every time of the level comes, none much more often than the others.
        QCOMPARE(volte.size(), tempi);
        const double attese = double(kDomande) / tempi;
        for (int n : std::as_const(volte))
            QVERIFY2(n <= 2.5 * attese, qPrintable(QString::number(n)));
    } else {
        // As many different times as draws of a fair die of that many faces give.
        const double attese = tempi * (1 - std::exp(-double(kDomande) / tempi));
        QVERIFY2(volte.size() > 0.9 * attese, qPrintable(QString::number(volte.size())));
    }
}

void TestLevels::sayingsOfALevel_data()
{
    QTest::addColumn<Livello>("livello");
    for (int l = 0; l < kNumeroLivelli; ++l)
        QTest::newRow(qPrintable(NomeLivello(Livello(l)))) << Livello(l);
}

void TestLevels::sayingsOfALevel()
{
    QFETCH(Livello, livello);
    Classe c(livello);
    // The night's stars take draws of their own when the hands go back to midnight.
    c.tw.w->stato()->MostraOra(0);
    c.tw.c<AreaEsercizi>("picTest")->SelezionaTipo(SceltaEsercizio::ModoDiDire);
    QLabel* lblModiDiDire = c.tw.c<QLabel>("lblModiDiDire");
    const QVector<ModoDiDire> fissi = DettiFissi();
    const QVector<Detto> detti = DettiDelLivello(livello, fissi);
    const bool ogniMinuto = livello == Livello::OgniMinuto;
    QSet<int> visti;
    int precedente = -1;
    int numeroPrecedente = 0;
    for (int i = 0; i < 3000; ++i) {
        c.tw.esercizi()->PreparaModoDiDire();
        const int n = c.tw.w->stato()->ultimiValori().modoDiDire;
        const int t = MinutiDelDetto(n, fissi);
        const auto detto = std::find_if(detti.cbegin(), detti.cend(), [n](const Detto& d) { return d.numero == n; });
        QVERIFY2(detto != detti.cend(), qPrintable(lblModiDiDire->text()));
        QCOMPARE(lblModiDiDire->text(), detto->testo);
        QCOMPARE(c.tw.c<AreaEsercizi>("picTest")->orarioModoDiDire(),
                 QStringLiteral("%1%2").arg(t / 60, 2, 10, QLatin1Char('0')).arg(t % 60, 2, 10, QLatin1Char('0')));
        QVERIFY(OrarioDelLivello(livello, t / 60, t % 60));
        if (ogniMinuto) {
            QVERIFY(n != numeroPrecedente);
        } else {
            // Never the time the hands start at, never the same time twice in a row.
            QVERIFY2(t != 0, qPrintable(lblModiDiDire->text()));
            QVERIFY2(t != precedente, qPrintable(lblModiDiDire->text()));
        }
        precedente = t;
        numeroPrecedente = n;
        visti.insert(n);
    }
    // Every saying of the level fits its label, the fixed ones at their usual size.
    auto* area = c.tw.c<AreaEsercizi>("picTest");
    for (const Detto& d : detti) {
        area->MostraModoDiDire(d.testo, QString());
        QVERIFY2(lblModiDiDire->heightForWidth(lblModiDiDire->width()) <= lblModiDiDire->height(), qPrintable(d.testo));
        if (d.numero < kPrimoDettoProprio)
            QCOMPARE(lblModiDiDire->font().pointSizeF(), 10.0);
    }
    // Every saying of the level comes, the fixed ones and the program's own alike.
    QVERIFY2(visti.size() >= std::min<qsizetype>(detti.size(), 280), qPrintable(QString::number(visti.size())));
}

void TestLevels::levelSayings_data()
{
    QTest::addColumn<Livello>("livello");
    QTest::addColumn<QString>("hhmm");
    QTest::addColumn<QString>("testo"); // empty: the level asks no saying at that time
    QTest::newRow("whole hours, three in the afternoon") << Livello::OreIntere << "1500"
                                                         << "Le tre del pomeriggio";
    QTest::newRow("whole hours, one at night") << Livello::OreIntere << "0100"
                                               << "L'una di notte";
    QTest::newRow("whole hours, noon is the fixed saying") << Livello::OreIntere << "1200"
                                                           << "Mezzogiorno";
    QTest::newRow("whole hours, never midnight") << Livello::OreIntere << "0000"
                                                 << "";
    QTest::newRow("half hours, half past seven in the evening") << Livello::MezzOre << "1930"
                                                                << "Le sette e mezza di sera";
    QTest::newRow("half hours, half past midnight is the fixed saying") << Livello::MezzOre << "0030"
                                                                        << "Mezzanotte e mezza";
    QTest::newRow("quarters, a quarter to ten in the morning") << Livello::Quarti << "0945"
                                                               << "Le dieci meno un quarto del mattino";
    QTest::newRow("quarters, never midnight") << Livello::Quarti << "0000"
                                              << "";
    QTest::newRow("five minutes, five to eleven at night") << Livello::CinqueMinuti << "2255"
                                                           << "Le undici meno cinque di sera";
    QTest::newRow("any minute, only the fixed sayings") << Livello::OgniMinuto << "1500"
                                                        << "";
    QTest::newRow("any minute, midnight as always") << Livello::OgniMinuto << "0000"
                                                    << "Mezzanotte";
}

void TestLevels::levelSayings()
{
    QFETCH(Livello, livello);
    QFETCH(QString, hhmm);
    QFETCH(QString, testo);
    const QVector<ModoDiDire> fissi = DettiFissi();
    const QVector<Detto> detti = DettiDelLivello(livello, fissi);
    const int t = hhmm.left(2).toInt() * 60 + hhmm.right(2).toInt();
    QStringList allOra;
    QSet<QString> testi;
    for (const Detto& d : detti) {
        if (d.minuti == t)
            allOra << d.testo;
        // No two sayings of a level have the same words.
        QVERIFY2(!testi.contains(d.testo), qPrintable(d.testo));
        testi.insert(d.testo);
    }
    if (testo.isEmpty())
        QVERIFY2(allOra.isEmpty(), qPrintable(allOra.join(QLatin1Char('|'))));
    else
        QVERIFY2(allOra.contains(testo), qPrintable(allOra.join(QLatin1Char('|'))));
    // Every time of the level but midnight has a saying, at any level but any minute.
    if (livello != Livello::OgniMinuto) {
        const int passo = PassoDelLivello(livello);
        QSet<int> tempi;
        for (const Detto& d : detti)
            tempi.insert(d.minuti);
        QCOMPARE(tempi.size(), 24 * 60 / passo - 1);
    } else {
        QCOMPARE(detti.size(), 22);
    }
}

void TestLevels::choiceStartsAtAnyMinuteAndLasts()
{
    TestWindow tw;
    auto* livello = tw.c<QComboBox>("cmbLivello");
    QCOMPARE(livello->currentText(), QStringLiteral("Ogni minuto"));
    QCOMPARE(tw.esercizi()->livello(), Livello::OgniMinuto);
    QStringList nomi;
    for (int i = 0; i < livello->count(); ++i)
        nomi << livello->itemText(i);
    QCOMPARE(nomi,
             (QStringList{QStringLiteral("Ore intere"), QStringLiteral("Mezz'ore"), QStringLiteral("Quarti d'ora"),
                          QStringLiteral("Cinque minuti"), QStringLiteral("Ogni minuto")}));

    // Chosen, it lasts across closing and opening the area.
    tw.c<QToolButton>("cmdTest")->click();
    livello->setCurrentIndex(int(Livello::Quarti));
    tw.c<QPushButton>("cmdExitTest")->click();
    tw.fake.random->scripted = {0.3};
    tw.c<QToolButton>("cmdTest")->click();
    QCOMPARE(tw.esercizi()->livello(), Livello::Quarti);
    QCOMPARE(livello->currentIndex(), int(Livello::Quarti));
    QCOMPARE(static_cast<int>(tw.w->stato()->TempoCorrente()) % (15 * 60), 0);
}

void TestLevels::newLevelAsksAnew()
{
    Classe c;
    c.tw.fake.random->scripted = {EstrazionePer(19 * 3600 + 47 * 60)};
    c.tw.c<AreaEsercizi>("picTest")->SelezionaTipo(SceltaEsercizio::Impostazione);
    QCOMPARE(c.tw.casella(1)->text(), QStringLiteral("47"));
    c.tw.fake.random->scripted = {19.5 / 24};
    c.livello->setCurrentIndex(int(Livello::OreIntere));
    // A question of the same kind at the new level, the hands back at midnight.
    QVERIFY(c.tw.esercizi()->tipoEsercizio() == TipoDomanda::Impostazione);
    QCOMPARE(c.tw.casella(0)->text(), QStringLiteral("19"));
    QCOMPARE(c.tw.casella(1)->text(), QStringLiteral("00"));
    QCOMPARE(c.tw.w->stato()->TempoCorrente(), 0.0f);
}

void TestLevels::finalTestIgnoresTheLevel()
{
    Classe c(Livello::OreIntere);
    QVERIFY(c.tw.c("cmbLivello")->isVisibleTo(c.tw.c("picTest")));
    // The test's first question at 9:12 and its first saying, "Le tredici e cinque", are
    // no whole hours: the test draws as it always has.
    c.tw.fake.random->scripted = {EstrazionePer(9 * 3600 + 12 * 60)};
    c.tw.c<AreaEsercizi>("picTest")->SelezionaTipo(SceltaEsercizio::TestFinale);
    QCOMPARE(c.tw.w->stato()->TempoCorrente(), float(9 * 3600 + 12 * 60));
    QVERIFY(!c.tw.c("cmbLivello")->isVisibleTo(c.tw.c("picTest")));
    QVERIFY(!c.tw.c("lblLivello")->isVisibleTo(c.tw.c("picTest")));
    // A level chosen meanwhile changes nothing in the test.
    c.livello->setCurrentIndex(int(Livello::MezzOre));
    QCOMPARE(c.tw.w->stato()->TempoCorrente(), float(9 * 3600 + 12 * 60));
    QCOMPARE(c.tw.esercizi()->passoProva(), 0);

    c.tw.c<QPushButton>("cmdExitTest")->click();
    c.tw.c<QToolButton>("cmdTest")->click();
    QVERIFY(c.tw.c("cmbLivello")->isVisibleTo(c.tw.c("picTest")));
}

void TestLevels::enterInTheListOnlyChooses_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("elenco");
    QTest::newRow("reading, the list opened with the mouse") << 0 << true;
    QTest::newRow("setting by figures, the list opened with the mouse") << 1 << true;
    QTest::newRow("reading, the closed list focused") << 0 << false;
    QTest::newRow("setting by figures, the closed list focused") << 1 << false;
}

void TestLevels::enterInTheListOnlyChooses()
{
    // The child picks a level with the arrow keys and Enter: the Enter chooses the level
    // and judges nothing, since the child has not seen the new question yet.
    QFETCH(int, tipo);
    QFETCH(bool, elenco);
    Classe c;
    QVector<int> codici;
    c.tw.fake.dialogs->onModal = [&codici](QDialog&) {
        codici << modTempolino::CodiceMessaggio;
        return 1;
    };
    c.tw.w->show();
    QApplication::setActiveWindow(c.tw.w);
    c.tw.c<AreaEsercizi>("picTest")->SelezionaTipo(static_cast<SceltaEsercizio>(tipo));
    QWidget* tasti = c.livello;
    if (elenco) {
        QTest::mouseClick(c.livello, Qt::LeftButton);
        tasti = c.livello->view();
        QVERIFY(tasti->isVisible());
    } else {
        c.livello->setFocus();
    }
    QTest::keyClick(tasti, Qt::Key_Up);
    QTest::keyClick(tasti, Qt::Key_Return);

    QCOMPARE(c.livello->currentIndex(), int(Livello::CinqueMinuti));
    QCOMPARE(c.tw.esercizi()->livello(), Livello::CinqueMinuti);
    QVERIFY(!c.livello->view()->isVisible());
    QCOMPARE(codici, QVector<int>{});
    QCOMPARE(c.tw.esercizi()->errori(), 0);
    QVERIFY(c.tw.c("lblPremiOK")->isVisibleTo(c.tw.w));

    // Enter anywhere else answers as "OK!" still does.
    QWidget* altrove = tipo == 0 ? static_cast<QWidget*>(c.tw.casella(0)) : c.tw.c("p1");
    altrove->setFocus();
    QTest::keyClick(altrove, Qt::Key_Return);
    QCOMPARE(codici.size(), 1);
}

QTEST_MAIN(TestLevels)
#include "tst_levels.moc"
