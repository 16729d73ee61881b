// SPDX-License-Identifier: GPL-3.0-or-later
// Mistakes explained: the rule that names the likely mistake of an answer, the hint
// line after a wrong answer, the solution after two (the boxes filled, or the hands
// going there step by step), the next question on "OK!", and no help at all in the
// final test.

#include <QtTest>
#include <array>
#include <cmath>

#include "Esercizi.h"
#include "Livelli.h"
#include "OraInParole.h"
#include "Soluzione.h"
#include "Suggerimenti.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

constexpr int kOra = 3600;
constexpr int kMinuto = 60;

int Minuti(const char* hhmm)
{
    const QStringList p = QString::fromLatin1(hhmm).split(QLatin1Char(':'));
    return p[0].toInt() * 60 + p[1].toInt();
}

double EstrazionePer(int secondi)
{
    return (secondi - 0.5) / 86400.0;
}

double EstrazioneDetto(int n)
{
    return (n - 0.5) / 22.0;
}

// The program with the exercise area open and every message recorded and closed.
struct Aula {
    TestWindow tw;
    QVector<int> codici;
    QLabel* suggerimento;
    QPushButton* soluzione;
    QLabel* prompt;

    Aula()
        : suggerimento(tw.c<QLabel>("lblSuggerimento")),
          soluzione(tw.c<QPushButton>("cmdMostraSoluzione")),
          prompt(tw.c<QLabel>("lblPremiOK"))
    {
        tw.w->show();
        tw.fake.dialogs->onModal = [this](QDialog&) {
            codici << modTempolino::CodiceMessaggio;
            return 1;
        };
        tw.fake.random->scripted = {EstrazionePer(10 * kOra)};
        tw.c<QToolButton>("cmdTest")->click();
        codici.clear();
    }
    void tipo(int k, double estrazione)
    {
        // The night's stars take random draws when the clock goes to midnight for a saying.
        if (k == 2)
            lancette(0);
        tw.fake.random->scripted = {estrazione};
        tw.c<AreaEsercizi>("picTest")->SelezionaTipo(static_cast<SceltaEsercizio>(k));
        codici.clear();
    }
    void lancette(int minuti) { tw.w->stato()->MostraOra(static_cast<float>(minuti * kMinuto)); }
    void scrivi(int minuti)
    {
        tw.casella(0)->setText(QString::number(minuti / 60));
        tw.casella(1)->setText(QString::number(minuti % 60));
    }
    void ok() { tw.c<QPushButton>("cmdVerificaTest")->click(); }
    // The hint line names mistake `s` of the answer `risposta` to `domanda`.
    bool suggerisce(Sbaglio s, int domanda, int risposta) const
    {
        return SbaglioProbabile(domanda, risposta) == s && suggerimento->isVisible()
            && suggerimento->text() == TestoSuggerimento(s, domanda, risposta);
    }
};

} // namespace

class TestHints : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void hintWords_data();
    void hintWords();
    void solutionSteps_data();
    void solutionSteps();
    void readingTwiceWrongShowsTheTime();
    void settingTwiceWrongMovesTheHands_data();
    void settingTwiceWrongMovesTheHands();
    void anotherKindStopsTheSolution();
    void rightAnswerAfterAHint();
    void finalTestGivesNoHelp();
    void helpStandsInTheArea_data();
    void helpStandsInTheArea();
    void hintReadsWell();
    void hintIsSaidAloud_data();
    void hintIsSaidAloud();
    void instructionReadAloud_data();
    void instructionReadAloud();
};

void TestHints::rules_data()
{
    QTest::addColumn<int>("domanda");
    QTest::addColumn<int>("risposta");
    QTest::addColumn<Sbaglio>("sbaglio");
    auto riga = [](const char* nome, const char* q, const char* a, Sbaglio s) {
        QTest::newRow(nome) << Minuti(q) << Minuti(a) << s;
    };
    riga("right", "15:20", "15:20", Sbaglio::Nessuno);
    riga("afternoon read as night", "15:20", "03:20", Sbaglio::MattinoSera);
    riga("morning set as evening", "07:45", "19:45", Sbaglio::MattinoSera);
    riga("midnight read as noon", "00:00", "12:00", Sbaglio::MattinoSera);
    riga("20 minutes read as 4", "07:20", "07:04", Sbaglio::MinutiComeNumero);
    riga("23 minutes read as the 4 passed", "07:23", "07:04", Sbaglio::MinutiComeNumero);
    riga("on the 12 read as 12 minutes", "05:00", "05:12", Sbaglio::MinutiComeNumero);
    riga("4 minutes set on the 4", "07:04", "07:20", Sbaglio::MinutiComeNumero);
    riga("the 1 read as 1 minute", "09:05", "09:01", Sbaglio::MinutiComeNumero);
    riga("three minutes off", "10:30", "10:33", Sbaglio::QuasiGiusta);
    riga("one minute short", "10:30", "10:29", Sbaglio::QuasiGiusta);
    riga("close across midnight", "23:58", "00:01", Sbaglio::QuasiGiusta);
    riga("a quarter to is still the hour before", "09:45", "10:45", Sbaglio::OraDopo);
    riga("a quarter to across noon", "11:45", "12:45", Sbaglio::OraDopo);
    riga("a quarter to across midnight", "23:45", "00:45", Sbaglio::OraDopo);
    riga("just past the hour read as the hour before", "10:10", "09:10", Sbaglio::OraPrima);
    riga("just past midnight read as the day before", "00:05", "23:05", Sbaglio::OraPrima);
    riga("evening read an hour on and in the morning", "18:45", "07:45", Sbaglio::OraDopoMattinoSera);
    riga("afternoon read an hour on and at night", "14:45", "03:45", Sbaglio::OraDopoMattinoSera);
    riga("morning set an hour on in the evening", "06:45", "19:45", Sbaglio::OraDopoMattinoSera);
    riga("an hour on and twelve across midnight", "11:45", "00:45", Sbaglio::OraDopoMattinoSera);
    riga("an hour back and twelve hours off", "18:45", "05:45", Sbaglio::Generale);
    riga("hands swapped reading", "03:40", "08:18", Sbaglio::LancetteScambiate);
    riga("hands swapped in the afternoon", "15:40", "08:17", Sbaglio::LancetteScambiate);
    riga("hands swapped setting", "08:18", "03:40", Sbaglio::LancetteScambiate);
    riga("five minutes off", "10:30", "10:35", Sbaglio::Generale);
    riga("two hours off", "19:45", "17:45", Sbaglio::Generale);
    riga("nothing alike", "09:15", "14:50", Sbaglio::Generale);
}

void TestHints::rules()
{
    QFETCH(int, domanda);
    QFETCH(int, risposta);
    QFETCH(Sbaglio, sbaglio);
    QCOMPARE(SbaglioProbabile(domanda, risposta), sbaglio);
    // A right answer has no hint.
    QCOMPARE(Suggerimento(domanda, risposta).isEmpty(), sbaglio == Sbaglio::Nessuno);
}

// The hint for each kind of mistake, with the question and the answer, as the child reads it.
const QList<std::array<const char*, 4>> kSuggerimenti = {{
    {"afternoon read as night", "15:20", "03:20", "Guarda il sole o la luna: è mattino o sera, pomeriggio o notte?"},
    {"evening read an hour on, as the morning", "18:45", "07:45",
     "La lancetta corta non è ancora al 7: sono le 6 passate, e di sera le 6 si scrivono 18."},
    {"afternoon read an hour on, as the night", "14:45", "03:45",
     "La lancetta corta non è ancora al 3: sono le 2 passate, e di pomeriggio le 2 si scrivono 14."},
    {"one in the afternoon read as two", "13:50", "02:50",
     "La lancetta corta non è ancora al 2: è l'una passata, e di pomeriggio l'una si scrive 13."},
    {"just past noon read as one", "12:45", "01:45",
     "La lancetta corta non è ancora all'1: è mezzogiorno passato, e mezzogiorno si scrive 12."},
    {"evening hour on the hour", "20:00", "09:00",
     "La lancetta corta non è ancora al 9: sono le 8, e di sera le 8 si scrivono 20."},
    {"morning set an hour on, in the evening", "06:45", "19:45",
     "La lancetta corta non è ancora al 7: sono le 6 passate. E guarda il sole o la luna: è mattino."},
    {"night set an hour on, in the afternoon", "00:45", "13:45",
     "La lancetta corta non è ancora all'1: è mezzanotte passata. E guarda il sole o la luna: è notte."},
    {"20 minutes read as 4", "07:20", "07:04",
     "Ogni numero del quadrante vale cinque minuti: la lancetta lunga sul 4 fa 20 minuti."},
    {"25 minutes read as 5", "10:25", "10:05",
     "Ogni numero del quadrante vale cinque minuti: la lancetta lunga sul 5 fa 25 minuti."},
    {"50 minutes read as 10", "10:50", "10:10",
     "Ogni numero del quadrante vale cinque minuti: la lancetta lunga sul 10 fa 50 minuti."},
    {"40 minutes read as 8", "03:40", "03:08",
     "Ogni numero del quadrante vale cinque minuti: la lancetta lunga sull'8 fa 40 minuti."},
    {"5 minutes set on the 5", "08:05", "08:25",
     "Ogni numero del quadrante vale cinque minuti: la lancetta lunga sul 5 fa 25 minuti."},
    {"on the 12 read as 12 minutes", "05:00", "05:12",
     "Ogni numero del quadrante vale cinque minuti: la lancetta lunga sul 12 segna 0 minuti, l'ora esatta."},
    {"three minutes off", "10:30", "10:33", "Quasi! Conta bene i puntini dei minuti."},
    {"a quarter to read an hour on", "09:45", "10:45",
     "Un'ora di troppo: finché la lancetta corta non arriva al numero, è ancora l'ora prima."},
    {"just past the hour read as the hour before", "10:10", "09:10",
     "Un'ora in meno: quando la lancetta corta ha passato il numero, quell'ora è già cominciata."},
    {"hands swapped", "03:40", "08:18", "Attenzione: la lancetta corta segna le ore, quella lunga i minuti."},
    {"nothing alike", "09:15", "14:50", "Guarda prima la lancetta corta per le ore, poi quella lunga per i minuti."},
}};

void TestHints::hintWords_data()
{
    QTest::addColumn<int>("domanda");
    QTest::addColumn<int>("risposta");
    QTest::addColumn<QString>("testo");
    for (const auto& r : kSuggerimenti)
        QTest::newRow(r[0]) << Minuti(r[1]) << Minuti(r[2]) << QString::fromUtf8(r[3]);
}

void TestHints::hintWords()
{
    QFETCH(int, domanda);
    QFETCH(int, risposta);
    QFETCH(QString, testo);
    QCOMPARE(Suggerimento(domanda, risposta), testo);
}

void TestHints::solutionSteps_data()
{
    QTest::addColumn<int>("da");
    QTest::addColumn<int>("a");
    QTest::addColumn<QVector<int>>("passi");
    auto riga = [](const char* nome, const char* da, const char* a, std::initializer_list<const char*> passi) {
        QVector<int> p;
        for (const char* t : passi)
            p << Minuti(t);
        QTest::newRow(nome) << Minuti(da) << Minuti(a) << p;
    };
    riga("already there", "07:45", "07:45", {});
    riga("hours, fives, ones", "05:00", "07:17", {"06:00", "07:00", "07:05", "07:10", "07:15", "07:16", "07:17"});
    riga("backwards", "12:31", "12:30", {"12:30"});
    riga("back the shorter way", "19:45", "17:38", {"18:45", "17:45", "17:40", "17:39", "17:38"});
    riga("over midnight", "23:50", "00:10", {"23:55", "00:00", "00:05", "00:10"});
}

void TestHints::solutionSteps()
{
    QFETCH(int, da);
    QFETCH(int, a);
    QFETCH(QVector<int>, passi);
    QCOMPARE(PassiDellaSoluzione(da, a), passi);
    // Never more than half a day's hours, 11 fives and 4 single minutes.
    for (int t = 0; t < 24 * 60; t += 7)
        QVERIFY(PassiDellaSoluzione(t, a).size() <= 12 + 11 + 4);
}

void TestHints::readingTwiceWrongShowsTheTime()
{
    Aula aula;
    aula.tipo(0, EstrazionePer(15 * kOra + 20 * kMinuto));
    QVERIFY(!aula.suggerimento->isVisible() && aula.prompt->isVisible());

    aula.scrivi(Minuti("03:20"));
    aula.ok();
    QCOMPARE(aula.codici, QVector<int>{1});
    QVERIFY(aula.suggerisce(Sbaglio::MattinoSera, Minuti("15:20"), Minuti("03:20")));
    QVERIFY(!aula.prompt->isVisible());
    QVERIFY(!aula.soluzione->isVisible());

    aula.scrivi(Minuti("15:04"));
    aula.ok();
    QCOMPARE(aula.codici, (QVector<int>{1, 1}));
    QVERIFY(aula.suggerisce(Sbaglio::MinutiComeNumero, Minuti("15:20"), Minuti("15:04")));
    QVERIFY(aula.soluzione->isVisible());
    // Each hint was said too.
    QCOMPARE(
        aula.tw.fake.speech->said,
        (QStringList{Suggerimento(Minuti("15:20"), Minuti("03:20")), Suggerimento(Minuti("15:20"), Minuti("15:04"))}));
    aula.tw.fake.speech->said.clear();

    aula.soluzione->click();
    // The boxes give the answer, locked, and the time is written and said in words.
    QCOMPARE(aula.tw.casella(0)->text(), QStringLiteral("15"));
    QCOMPARE(aula.tw.casella(1)->text(), QStringLiteral("20"));
    QVERIFY(aula.tw.casella(0)->isReadOnly() && aula.tw.casella(1)->isReadOnly());
    const QString parole = QStringLiteral("Sono le tre e venti del pomeriggio");
    QCOMPARE(aula.suggerimento->text(), parole + QLatin1Char('.'));
    QCOMPARE(aula.tw.fake.speech->said, QStringList{parole});
    QVERIFY(!aula.soluzione->isVisible());
    QCOMPARE(aula.tw.w->stato()->TempoCorrente(), float(15 * kOra + 20 * kMinuto));

    // "OK!" now simply gives the next question: no message, boxes empty and free again.
    aula.tw.fake.random->scripted = {EstrazionePer(8 * kOra)};
    aula.ok();
    QCOMPARE(aula.codici, (QVector<int>{1, 1}));
    QCOMPARE(aula.tw.w->stato()->TempoCorrente(), float(8 * kOra));
    QVERIFY(aula.tw.casella(0)->text().isEmpty() && !aula.tw.casella(0)->isReadOnly());
    QVERIFY(!aula.suggerimento->isVisible() && aula.prompt->isVisible());
    QCOMPARE(aula.tw.esercizi()->errori(), 0);
}

void TestHints::settingTwiceWrongMovesTheHands_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<double>("estrazione");
    QTest::addColumn<int>("giusta");
    QTest::addColumn<int>("primo");
    QTest::addColumn<Sbaglio>("sbaglioPrimo");
    QTest::addColumn<int>("secondo");
    QTest::addColumn<Sbaglio>("sbaglioSecondo");
    QTest::addColumn<QString>("parole");
    QTest::newRow("by figures") << 1 << EstrazionePer(19 * kOra + 45 * kMinuto) << Minuti("19:45") << Minuti("07:45")
                                << Sbaglio::MattinoSera << Minuti("17:38") << Sbaglio::Generale
                                << QStringLiteral("Sono le otto meno un quarto di sera");
    QTest::newRow("by a saying") << 2 << EstrazioneDetto(10) << Minuti("12:30") << Minuti("00:30")
                                 << Sbaglio::MattinoSera << Minuti("12:31") << Sbaglio::QuasiGiusta
                                 << QStringLiteral("È mezzogiorno e mezzo");
}

void TestHints::settingTwiceWrongMovesTheHands()
{
    QFETCH(int, tipo);
    QFETCH(double, estrazione);
    QFETCH(int, giusta);
    QFETCH(int, primo);
    QFETCH(Sbaglio, sbaglioPrimo);
    QFETCH(int, secondo);
    QFETCH(Sbaglio, sbaglioSecondo);
    QFETCH(QString, parole);
    Aula aula;
    aula.tipo(tipo, estrazione);
    aula.lancette(primo);
    aula.ok();
    QVERIFY(aula.suggerisce(sbaglioPrimo, giusta, primo));
    aula.lancette(secondo);
    aula.ok();
    QVERIFY(aula.suggerisce(sbaglioSecondo, giusta, secondo));
    QCOMPARE(aula.codici, (QVector<int>{1, 1}));

    // Each step of the hands is shown and held for a moment, with the buttons put away;
    // the time is written and said once the hands are there.
    QVector<int> viste;
    bool pulsantiUsabili = false;
    const double prima = aula.tw.fake.clock->elapsed;
    aula.tw.fake.speech->said.clear();
    aula.soluzione->click();
    for (int i = 0; i < 10000 && !aula.tw.esercizi()->soluzioneMostrata(); ++i) {
        const int mostrato = static_cast<int>(aula.tw.w->stato()->TempoCorrente()) / kMinuto;
        if (viste.isEmpty() || viste.last() != mostrato)
            viste << mostrato;
        pulsantiUsabili = pulsantiUsabili || aula.tw.c("cmdTime", 3)->isEnabled();
        QVERIFY(aula.tw.fake.speech->said.isEmpty());
        aula.tw.fake.clock->advance(0.01);
    }

    QCOMPARE(viste, PassiDellaSoluzione(secondo, giusta));
    QVERIFY(!pulsantiUsabili);
    QVERIFY(aula.tw.fake.clock->elapsed - prima >= 0.1 * viste.size() - 1e-6);
    QCOMPARE(aula.tw.w->stato()->TempoCorrente(), float(giusta * kMinuto));
    QCOMPARE(aula.suggerimento->text(), parole + QLatin1Char('.'));
    QCOMPARE(aula.tw.fake.speech->said, QStringList{parole});
    QVERIFY(aula.tw.esercizi()->soluzioneMostrata());

    // "OK!" gives the next question of the same kind, with the buttons back.
    aula.ok();
    QVERIFY(aula.codici == (QVector<int>{1, 1}));
    QCOMPARE(static_cast<int>(aula.tw.esercizi()->tipoEsercizio()), tipo);
    QCOMPARE(aula.tw.w->stato()->TempoCorrente(), 0.0f);
    QVERIFY(aula.tw.c("cmdTime", 3)->isEnabled());
    QVERIFY(!aula.suggerimento->isVisible() && !aula.soluzione->isVisible());
}

void TestHints::anotherKindStopsTheSolution()
{
    Aula aula;
    aula.tipo(1, EstrazionePer(19 * kOra + 45 * kMinuto));
    aula.lancette(Minuti("07:45"));
    aula.ok();
    aula.ok();
    aula.tw.fake.speech->said.clear();
    // At the solution's first step the child chooses "Indovina l'ora".
    aula.soluzione->click();
    aula.tw.fake.clock->advance(0.05);
    aula.tw.fake.random->scripted = {EstrazionePer(9 * kOra)};
    aula.tw.c<OptionGroup>("grpTest")->select(0);
    aula.tw.fake.clock->advance(10);

    // The reading question stands, untouched by the rest of the solution.
    QCOMPARE(aula.tw.w->stato()->TempoCorrente(), float(9 * kOra));
    QVERIFY(aula.tw.esercizi()->tipoEsercizio() == TipoDomanda::Lettura);
    QVERIFY(!aula.tw.esercizi()->soluzioneMostrata());
    QVERIFY(aula.tw.fake.speech->said.isEmpty());
    QVERIFY(!aula.suggerimento->isVisible());
}

void TestHints::rightAnswerAfterAHint()
{
    Aula aula;
    aula.tipo(0, EstrazionePer(9 * kOra + 45 * kMinuto));
    aula.scrivi(Minuti("10:45"));
    aula.ok();
    QVERIFY(aula.suggerisce(Sbaglio::OraDopo, Minuti("09:45"), Minuti("10:45")));
    aula.tw.fake.random->scripted = {0.5, EstrazionePer(14 * kOra)};
    aula.scrivi(Minuti("09:45"));
    aula.ok();
    QCOMPARE(aula.codici, (QVector<int>{1, 0}));
    // The new question comes without the old hint; one wrong answer to it shows no button.
    QVERIFY(!aula.suggerimento->isVisible());
    aula.scrivi(Minuti("02:00"));
    aula.ok();
    QVERIFY(aula.suggerisce(Sbaglio::MattinoSera, Minuti("14:00"), Minuti("02:00")));
    QVERIFY(!aula.soluzione->isVisible());
}

void TestHints::finalTestGivesNoHelp()
{
    Aula aula;
    aula.tipo(3, EstrazionePer(9 * kOra + 12 * kMinuto));
    QVERIFY(aula.tw.esercizi()->provaInCorso());
    QCOMPARE(aula.tw.w->stato()->TempoCorrente(), float(9 * kOra + 12 * kMinuto));
    aula.scrivi(Minuti("21:12"));
    aula.ok();
    QCOMPARE(aula.codici, QVector<int>{9});
    QVERIFY(!aula.suggerimento->isVisible());
    QVERIFY(aula.prompt->isVisible());
    // Not even a second wrong answer, which ends the test, brings a hint or the solution.
    aula.tw.esercizi()->MostraSoluzione();
    QVERIFY(!aula.tw.esercizi()->soluzioneMostrata());
    aula.ok();
    QCOMPARE(aula.codici, (QVector<int>{9, 7}));
    QVERIFY(!aula.soluzione->isVisible() && !aula.suggerimento->isVisible());
    QVERIFY(aula.tw.fake.speech->said.isEmpty());
}

void TestHints::helpStandsInTheArea_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("1024x768") << QSize(1024, 768);
}

void TestHints::helpStandsInTheArea()
{
    // The hint, the level and the solution's button stand inside the area's frame,
    // over none of the controls the layout places, and the words fit them.
    QFETCH(QSize, schermo);
    TestWindow tw(schermo);
    tw.w->showNormal();
    tw.w->resize(schermo);
    QCoreApplication::processEvents();
    QWidget* area = tw.c("picTest");
    const QRect dentro = area->rect().adjusted(6, 6, -6, -6);
    const QList<QWidget*> fissi = {tw.c("optTest", 0),  tw.c("optTest", 1), tw.c("optTest", 2), tw.c("optTest", 3),
                                   tw.c("cmdExitTest"), tw.c("picInput"),   tw.c("imgIndicaOK")};
    // A hint of three lines, so that the line takes its largest place.
    tw.w->show();
    auto* suggerimento = tw.c<QLabel>("lblSuggerimento");
    tw.c<AreaEsercizi>("picTest")->MostraSuggerimento(Suggerimento(Minuti("00:45"), Minuti("13:45")).repeated(2));
    for (const char* nome : {"lblSuggerimento", "lblLivello", "cmbLivello", "cmdMostraSoluzione",
                             "cmdAscoltaIstruzione", "lblNotaLancette"}) {
        QWidget* c = tw.c(QString::fromLatin1(nome));
        QVERIFY2(dentro.contains(c->geometry()), nome);
        for (QWidget* f : fissi)
            QVERIFY2(!c->geometry().intersects(f->geometry()),
                     qPrintable(QString::fromLatin1(nome) + QLatin1String(" over ") + f->objectName()));
    }
    // The level's row and the button share a row, side by side.
    QVERIFY(tw.c("cmbLivello")->geometry().right() < tw.c("cmdMostraSoluzione")->x());
    auto* soluzione = tw.c<QPushButton>("cmdMostraSoluzione");
    QVERIFY(soluzione->fontMetrics().horizontalAdvance(soluzione->text()) + 8 <= soluzione->width());
    auto* livello = tw.c<QComboBox>("cmbLivello");
    for (int i = 0; i < livello->count(); ++i)
        QVERIFY(livello->fontMetrics().horizontalAdvance(livello->itemText(i)) + 24 <= livello->width());
    // Every hint fits the line.
    for (const auto& riga : kSuggerimenti) {
        const QString testo = Suggerimento(Minuti(riga[1]), Minuti(riga[2]));
        tw.c<AreaEsercizi>("picTest")->MostraSuggerimento(testo);
        QVERIFY2(suggerimento->heightForWidth(suggerimento->width()) <= suggerimento->height(), qPrintable(testo));
    }
    // Easy targets for a small finger.
    for (const char* nome :
         {"cmdMostraSoluzione", "cmdAscoltaDetto", "cmbLivello", "lblLivello", "cmdAscoltaIstruzione"})
        QVERIFY2(tw.c(QString::fromLatin1(nome))->height() >= 32, nome);
    // The instructions' words end above the row of the level.
    auto* istruzione = tw.c<QLabel>("lblMessaggioTest");
    for (const TipoDomanda t : {TipoDomanda::Lettura, TipoDomanda::Impostazione, TipoDomanda::ModoDiDire}) {
        istruzione->setText(TestoIstruzioni(t));
        QVERIFY(istruzione->y() + istruzione->heightForWidth(istruzione->width()) <= tw.c("cmbLivello")->y());
    }
}

namespace {

double Luminanza(const QColor& c)
{
    auto canale = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * canale(c.redF()) + 0.7152 * canale(c.greenF()) + 0.0722 * canale(c.blueF());
}

double Contrasto(const QColor& a, const QColor& b)
{
    const double la = Luminanza(a), lb = Luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void TestHints::hintReadsWell()
{
    // As the child sees it on the area: the commonest colour is the ground, the one that
    // stands out most from it the letters.
    Aula aula;
    aula.tipo(0, EstrazionePer(15 * kOra + 20 * kMinuto));
    aula.scrivi(Minuti("03:20"));
    aula.ok();
    QVERIFY(aula.suggerimento->isVisible());
    const QImage img = aula.tw.c("picTest")->grab(aula.suggerimento->geometry()).toImage();
    QHash<QRgb, int> quanti;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++quanti[img.pixel(x, y)];
    QRgb fondo = 0;
    for (auto it = quanti.cbegin(); it != quanti.cend(); ++it)
        if (it.value() > quanti.value(fondo))
            fondo = it.key();
    double massimo = 0;
    for (auto it = quanti.cbegin(); it != quanti.cend(); ++it)
        massimo = std::max(massimo, Contrasto(QColor(it.key()), QColor(fondo)));
    QVERIFY2(massimo >= 4.5, qPrintable(QString::number(massimo)));
}

void TestHints::hintIsSaidAloud_data()
{
    QTest::addColumn<bool>("suoni");
    QTest::newRow("sounds on") << true;
    QTest::newRow("sounds off") << false;
}

void TestHints::hintIsSaidAloud()
{
    QFETCH(bool, suoni);
    Aula aula;
    aula.tw.w->stato()->ImpostaSuoniAttivi(suoni);
    aula.tipo(1, EstrazionePer(18 * kOra + 45 * kMinuto));
    aula.lancette(Minuti("07:45"));
    aula.ok();
    const QString testo = Suggerimento(Minuti("18:45"), Minuti("07:45"));
    QCOMPARE(aula.suggerimento->text(), testo);
    QCOMPARE(aula.tw.fake.speech->said, suoni ? QStringList{testo} : QStringList{});
}

void TestHints::instructionReadAloud_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("nota");
    QTest::newRow("Indovina l'ora") << 0 << false;
    QTest::newRow("Imposta l'ora (1)") << 1 << true;
    QTest::newRow("Imposta l'ora (2)") << 2 << true;
}

void TestHints::instructionReadAloud()
{
    // The loudspeaker under the instruction says it, with the note on the hands when a
    // setting question shows it.
    QFETCH(int, tipo);
    QFETCH(bool, nota);
    Aula aula;
    aula.tipo(tipo, tipo == 2 ? EstrazioneDetto(10) : EstrazionePer(9 * kOra));
    auto* notaLancette = aula.tw.c<QLabel>("lblNotaLancette");
    QCOMPARE(notaLancette->isVisible(), nota);
    aula.tw.c<QToolButton>("cmdAscoltaIstruzione")->click();
    QString atteso =
        TestoIstruzioni(static_cast<TipoDomanda>(tipo)).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    if (nota)
        atteso += QLatin1Char(' ') + notaLancette->text();
    QCOMPARE(aula.tw.fake.speech->said, QStringList{atteso});

    // A hint covers the note; the next question brings it back.
    if (tipo == 0)
        aula.scrivi(Minuti("03:03"));
    else
        aula.lancette(Minuti("03:03"));
    aula.ok();
    QVERIFY(aula.suggerimento->isVisible());
    QVERIFY(!notaLancette->isVisible());
    QVERIFY(!aula.suggerimento->geometry().intersects(aula.tw.c("cmdAscoltaIstruzione")->geometry()));
    aula.tw.fake.random->scripted = {EstrazionePer(8 * kOra), EstrazioneDetto(3)};
    aula.tw.esercizi()->ImpostaLivello(int(Livello::OgniMinuto));
    QCOMPARE(notaLancette->isVisible(), nota);
    // The final test shows neither the note nor the loudspeaker.
    aula.tipo(3, EstrazionePer(9 * kOra));
    QVERIFY(!notaLancette->isVisible());
    QVERIFY(!aula.tw.c("cmdAscoltaIstruzione")->isVisible());
}

QTEST_MAIN(TestHints)
#include "tst_hints.moc"
