// SPDX-License-Identifier: GPL-3.0-or-later
// The levels of the exercises: the times each level asks, drawn over the whole day and
// never twice in a row, the sayings of a level, the choice that lasts while the
// program runs, and the final test, which ignores it.

#include <QAbstractItemView>
#include <QComboBox>
#include <QtTest>

#include "Esercizi.h"
#include "Livelli.h"
#include "Risorse.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

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
    QTest::addColumn<QVector<int>>("detti");
    QTest::newRow("whole hours") << Livello::OreIntere << QVector<int>{1, 7};
    QTest::newRow("half hours") << Livello::MezzOre << QVector<int>{1, 3, 7, 10, 13};
    QTest::newRow("quarters") << Livello::Quarti
                              << QVector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 13, 14, 15, 16, 18, 19, 20};
    QTest::newRow("five minutes") << Livello::CinqueMinuti << QVector<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                                           11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    QVector<int> tutti;
    for (int n = 1; n <= 22; ++n)
        tutti << n;
    QTest::newRow("any minute") << Livello::OgniMinuto << tutti;
}

void TestLevels::sayingsOfALevel()
{
    QFETCH(Livello, livello);
    QFETCH(QVector<int>, detti);
    Classe c(livello);
    // The night's stars take draws of their own when the hands go back to midnight.
    c.tw.w->stato()->MostraOra(0);
    c.tw.c<AreaEsercizi>("picTest")->SelezionaTipo(SceltaEsercizio::ModoDiDire);
    QLabel* lblModiDiDire = c.tw.c<QLabel>("lblModiDiDire");
    QSet<int> visti;
    int precedente = 0;
    for (int i = 0; i < 400; ++i) {
        c.tw.esercizi()->PreparaModoDiDire();
        const int n = c.tw.w->stato()->ultimiValori().modoDiDire;
        QVERIFY2(detti.contains(n), qPrintable(lblModiDiDire->text()));
        QVERIFY(n != precedente);
        QCOMPARE(lblModiDiDire->text(), LeggiModoDiDire(Risorse::stringa(300 + n)).testo);
        precedente = n;
        visti.insert(n);
    }
    QCOMPARE(visti.size(), detti.size());
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
