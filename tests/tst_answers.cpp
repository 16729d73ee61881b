// SPDX-License-Identifier: GPL-3.0-or-later
// Answers: judging them on the 24-hour clock, the answer boxes' checks while the
// child types or pastes, "OK!" with its messages, and the counting of the final test.

#include <QClipboard>
#include <QtTest>

#include "ControlloreEsercizi.h"
#include "Esercizi.h"
#include "TempoMostrato.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "frmMsg.h"
#include "modTempolino.h"

namespace {

constexpr int kOra = 3600;
constexpr int kMinuto = 60;

// The random draw that makes the clock's random minute land on `secondi`.
double estrazionePer(int secondi)
{
    return (secondi - 0.5) / 86400.0;
}

double estrazioneDetto(int n)
{
    return (n - 0.5) / 22.0;
}

OrologioMostrato orologio(int secondi)
{
    const CampiOra c = DerivaCampi(static_cast<float>(secondi));
    return {static_cast<float>(secondi), c.ore, c.minuti};
}

// The program on the stand-in platform, with every message window recorded by its
// code and closed at once.
struct Finestra {
    TestWindow tw;
    frmClock* w;
    QVector<int> codici;

    Finestra() : w(tw.w)
    {
        tw.fake.dialogs->onModal = [this](QDialog&) {
            codici << modTempolino::CodiceMessaggio;
            return 1;
        };
    }
    // Opens the exercise area on a reading question at `secondi`.
    void apri(int secondi)
    {
        tw.fake.random->scripted = {estrazionePer(secondi)};
        tw.c<QToolButton>("cmdTest")->click();
        codici.clear();
    }
    // Moves the hands as the adjustment buttons do.
    void lancette(int secondi) { w->stato()->MostraOra(static_cast<float>(secondi)); }
    // The window becomes active again once a message has closed; the boxes take the keys.
    void attiva()
    {
        w->activateWindow();
        QCoreApplication::processEvents();
    }
    void scrivi(int indice, const QString& testo)
    {
        attiva();
        casella(indice)->setFocus();
        QTest::keyClicks(casella(indice), testo);
    }
    // The answer boxes (0 the hours, 1 the minutes) and "OK!".
    QLineEdit* casella(int indice) const { return tw.casella(indice); }
    QPushButton* ok() const { return tw.c<QPushButton>("cmdVerificaTest"); }
};

} // namespace

class TestAnswers : public QObject {
    Q_OBJECT
private slots:
    void judge_data();
    void judge();

    void readingAnswers_data();
    void readingAnswers();
    void settingFromFigures_data();
    void settingFromFigures();
    void settingFromSaying_data();
    void settingFromSaying();
    void rightAnswerBringsANewQuestionOfTheSameKind_data();
    void rightAnswerBringsANewQuestionOfTheSameKind();
    void typedHours_data();
    void typedHours();
    void typedMinutes_data();
    void typedMinutes();
    void pastedText_data();
    void pastedText();
    void focusSelectsTheOldAnswer();
    void okWhileAMessageIsOpenIsIgnored();
    void finalTestCounting();
};

void TestAnswers::judge_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("ore");
    QTest::addColumn<QString>("minuti");
    QTest::addColumn<int>("mostrato");
    QTest::addColumn<QString>("orario");
    QTest::addColumn<int>("verdetto");
    const int giusta = int(Verdetto::Esatta), sbagliata = int(Verdetto::Sbagliata);
    const QString nessuno;
    const int t1520 = 15 * kOra + 20 * kMinuto;
    QTest::newRow("15:20 read as 3 20") << 0 << "3"
                                        << "20" << t1520 << nessuno << sbagliata;
    QTest::newRow("15:20 read as 15 20") << 0 << "15"
                                         << "20" << t1520 << nessuno << giusta;
    QTest::newRow("07:05 as 07 05") << 0 << "07"
                                    << "05" << 7 * kOra + 5 * kMinuto << nessuno << giusta;
    QTest::newRow("07:05 as 7 5") << 0 << "7"
                                  << "5" << 7 * kOra + 5 * kMinuto << nessuno << giusta;
    QTest::newRow("19:05 as 7 5") << 0 << "7"
                                  << "5" << 19 * kOra + 5 * kMinuto << nessuno << sbagliata;
    QTest::newRow("00:00 as 0 0") << 0 << "0"
                                  << "00" << 0 << nessuno << giusta;
    QTest::newRow("00:00 as 24 0") << 0 << "24"
                                   << "0" << 0 << nessuno << sbagliata;
    QTest::newRow("both empty") << 0 << ""
                                << "" << t1520 << nessuno << int(Verdetto::MancanoOre);
    QTest::newRow("hours empty") << 0 << ""
                                 << "20" << t1520 << nessuno << int(Verdetto::MancanoOre);
    QTest::newRow("minutes empty") << 0 << "15"
                                   << "" << t1520 << nessuno << int(Verdetto::MancanoMinuti);
    QTest::newRow("not a number counts 0") << 0 << "x"
                                           << "20" << 20 * kMinuto << nessuno << giusta;
    QTest::newRow("set 19:45 at 07:45") << 1 << "19"
                                        << "45" << 7 * kOra + 45 * kMinuto << nessuno << sbagliata;
    QTest::newRow("set 19:45 at 19:45") << 1 << "19"
                                        << "45" << 19 * kOra + 45 * kMinuto << nessuno << giusta;
    QTest::newRow("set 00:00 untouched") << 1 << "00"
                                         << "00" << 0 << nessuno << giusta;
    QTest::newRow("1230 at 00:30") << 2 << ""
                                   << "" << 30 * kMinuto << "1230" << sbagliata;
    QTest::newRow("1230 at 12:30") << 2 << ""
                                   << "" << 12 * kOra + 30 * kMinuto << "1230" << giusta;
    QTest::newRow("0958 at 09:58") << 2 << ""
                                   << "" << 9 * kOra + 58 * kMinuto << "0958" << giusta;
    QTest::newRow("0958 at 21:58") << 2 << ""
                                   << "" << 21 * kOra + 58 * kMinuto << "0958" << sbagliata;
    QTest::newRow("0000 untouched") << 2 << ""
                                    << "" << 0 << "0000" << giusta;
    QTest::newRow("no saying counts 00:00") << 2 << ""
                                            << "" << 0 << "" << giusta;
}

void TestAnswers::judge()
{
    QFETCH(int, tipo);
    QFETCH(QString, ore);
    QFETCH(QString, minuti);
    QFETCH(int, mostrato);
    QFETCH(QString, orario);
    QFETCH(int, verdetto);
    QCOMPARE(int(GiudicaRisposta(static_cast<TipoDomanda>(tipo), ore, minuti, orologio(mostrato), orario)), verdetto);
}

void TestAnswers::readingAnswers_data()
{
    QTest::addColumn<QString>("ore");
    QTest::addColumn<QString>("minuti");
    QTest::addColumn<QVector<int>>("codici");
    QTest::addColumn<int>("casellaFuoco");
    QTest::newRow("3 20 wrong") << "3"
                                << "20" << QVector<int>{1} << -1;
    QTest::newRow("15 20 right") << "15"
                                 << "20" << QVector<int>{0} << 0;
    QTest::newRow("both empty") << ""
                                << "" << QVector<int>{4} << 0;
    QTest::newRow("hours empty") << ""
                                 << "20" << QVector<int>{4} << 0;
    QTest::newRow("minutes empty") << "15"
                                   << "" << QVector<int>{5} << 1;
}

void TestAnswers::readingAnswers()
{
    QFETCH(QString, ore);
    QFETCH(QString, minuti);
    QFETCH(QVector<int>, codici);
    QFETCH(int, casellaFuoco);
    Finestra f;
    const int t1520 = 15 * kOra + 20 * kMinuto;
    f.apri(t1520);
    QCOMPARE(f.w->stato()->TempoCorrente(), float(t1520));
    f.scrivi(0, ore);
    f.scrivi(1, minuti);
    f.codici.clear();
    // After a right answer the praise word and the next question are drawn.
    f.tw.fake.random->scripted = {0.5, estrazionePer(8 * kOra)};

    QTest::mouseClick(f.ok(), Qt::LeftButton);

    QCOMPARE(f.codici, codici);
    if (codici == QVector<int>{0}) {
        QCOMPARE(f.w->stato()->TempoCorrente(), float(8 * kOra));
        QVERIFY(f.casella(0)->text().isEmpty() && f.casella(1)->text().isEmpty());
    } else {
        // The question stays, boxes and hands unchanged.
        QCOMPARE(f.w->stato()->TempoCorrente(), float(t1520));
        QCOMPARE(f.casella(0)->text(), ore);
        QCOMPARE(f.casella(1)->text(), minuti);
    }
    if (casellaFuoco >= 0)
        QCOMPARE(f.w->focusWidget(), f.casella(casellaFuoco));
}

void TestAnswers::settingFromFigures_data()
{
    QTest::addColumn<int>("lancette");
    QTest::addColumn<int>("codice");
    QTest::newRow("07:45") << 7 * kOra + 45 * kMinuto << 1;
    QTest::newRow("19:45") << 19 * kOra + 45 * kMinuto << 0;
    QTest::newRow("untouched 00:00") << 0 << 1;
}

void TestAnswers::settingFromFigures()
{
    QFETCH(int, lancette);
    QFETCH(int, codice);
    Finestra f;
    f.apri(kOra);
    f.tw.fake.random->scripted = {estrazionePer(19 * kOra + 45 * kMinuto)};
    f.tw.c<OptionGroup>("grpTest")->select(1);
    QCOMPARE(f.casella(0)->text(), QStringLiteral("19"));
    QCOMPARE(f.casella(1)->text(), QStringLiteral("45"));
    f.lancette(lancette);
    f.codici.clear();

    f.ok()->click();

    QCOMPARE(f.codici, QVector<int>{codice});
    if (codice == 1) {
        QCOMPARE(f.w->stato()->TempoCorrente(), float(lancette));
        QCOMPARE(f.casella(0)->text(), QStringLiteral("19"));
    }
}

void TestAnswers::settingFromSaying_data()
{
    QTest::addColumn<int>("lancette");
    QTest::addColumn<int>("codice");
    QTest::newRow("00:30") << 30 * kMinuto << 1;
    QTest::newRow("12:30") << 12 * kOra + 30 * kMinuto << 0;
    QTest::newRow("12:31") << 12 * kOra + 31 * kMinuto << 1;
}

void TestAnswers::settingFromSaying()
{
    QFETCH(int, lancette);
    QFETCH(int, codice);
    Finestra f;
    QLabel* lblModiDiDire = f.tw.c<QLabel>("lblModiDiDire");
    f.apri(0);
    f.tw.fake.random->scripted = {estrazioneDetto(10)};
    f.tw.c<OptionGroup>("grpTest")->select(2);
    QCOMPARE(lblModiDiDire->text(), QStringLiteral("Mezzogiorno e mezzo"));
    f.lancette(lancette);
    f.codici.clear();

    f.ok()->click();

    QCOMPARE(f.codici, QVector<int>{codice});
    if (codice == 1)
        QCOMPARE(lblModiDiDire->text(), QStringLiteral("Mezzogiorno e mezzo"));
    else
        QVERIFY(lblModiDiDire->text() != QStringLiteral("Mezzogiorno e mezzo"));
}

void TestAnswers::rightAnswerBringsANewQuestionOfTheSameKind_data()
{
    QTest::addColumn<int>("tipo");
    QTest::newRow("read") << 0;
    QTest::newRow("set from figures") << 1;
    QTest::newRow("set from a saying") << 2;
}

void TestAnswers::rightAnswerBringsANewQuestionOfTheSameKind()
{
    QFETCH(int, tipo);
    Finestra f;
    OptionGroup* grpTest = f.tw.c<OptionGroup>("grpTest");
    QLabel* lblModiDiDire = f.tw.c<QLabel>("lblModiDiDire");
    f.apri(10 * kOra);
    if (tipo == 1) {
        f.tw.fake.random->scripted = {estrazionePer(10 * kOra)};
        grpTest->select(1);
        f.lancette(10 * kOra);
    } else if (tipo == 2) {
        f.lancette(0);
        f.tw.fake.random->scripted = {estrazioneDetto(7)};
        grpTest->select(2);
        QCOMPARE(lblModiDiDire->text(), QStringLiteral("Mezzogiorno"));
        f.lancette(12 * kOra);
    } else {
        f.scrivi(0, QStringLiteral("10"));
        f.scrivi(1, QStringLiteral("00"));
    }
    f.codici.clear();

    f.ok()->click();

    QCOMPARE(f.codici, QVector<int>{0});
    QCOMPARE(int(EserciziDi(f.w)->tipoEsercizio()), tipo);
    QVERIFY(grpTest->isSelected(tipo));
    switch (tipo) {
    case 0:
        QVERIFY(f.casella(0)->text().isEmpty() && f.casella(1)->text().isEmpty());
        QCOMPARE(f.w->focusWidget(), f.casella(0));
        break;
    case 1:
        QCOMPARE(f.w->stato()->TempoCorrente(), 0.0f);
        QCOMPARE(f.casella(0)->text().size(), 2);
        QVERIFY(f.casella(0)->isReadOnly());
        break;
    default:
        QCOMPARE(f.w->stato()->TempoCorrente(), 0.0f);
        QVERIFY(lblModiDiDire->text() != QStringLiteral("Mezzogiorno"));
        break;
    }
}

void TestAnswers::typedHours_data()
{
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QVector<int>>("codici");
    QTest::addColumn<bool>("aiMinuti");
    QTest::newRow("24") << "24"
                        << "" << QVector<int>{2} << false;
    QTest::newRow("99") << "99"
                        << "" << QVector<int>{2} << false;
    QTest::newRow("23") << "23"
                        << "23" << QVector<int>{} << true;
    QTest::newRow("07") << "07"
                        << "07" << QVector<int>{} << true;
    QTest::newRow("7") << "7"
                       << "7" << QVector<int>{} << false;
    QTest::newRow("letters") << "ab"
                             << "" << QVector<int>{} << false;
    QTest::newRow("signs and spaces") << "-+ ."
                                      << "" << QVector<int>{} << false;
    QTest::newRow("digits among letters") << "1x2"
                                          << "12" << QVector<int>{} << true;
    QTest::newRow("three digits") << "235"
                                  << "23" << QVector<int>{} << true;
    QTest::newRow("backspace") << QStringLiteral("2\b1") << "1" << QVector<int>{} << false;
}

void TestAnswers::typedHours()
{
    QFETCH(QString, tasti);
    QFETCH(QString, casella);
    QFETCH(QVector<int>, codici);
    QFETCH(bool, aiMinuti);
    Finestra f;
    f.apri(15 * kOra);
    f.casella(0)->setFocus();
    for (QChar c : tasti) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(f.casella(0), Qt::Key_Backspace);
        else
            QTest::keyClicks(f.casella(0), QString(c));
    }
    QCOMPARE(f.casella(0)->text(), casella);
    QCOMPARE(f.codici, codici);
    QCOMPARE(f.w->focusWidget(), aiMinuti ? f.casella(1) : f.casella(0));
}

void TestAnswers::typedMinutes_data()
{
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QVector<int>>("codici");
    QTest::newRow("60") << "60"
                        << "" << QVector<int>{3};
    QTest::newRow("59") << "59"
                        << "59" << QVector<int>{};
    QTest::newRow("605") << "605"
                         << "5" << QVector<int>{3};
    QTest::newRow("letters") << "mm"
                             << "" << QVector<int>{};
    QTest::newRow("three digits") << "123"
                                  << "12" << QVector<int>{};
}

void TestAnswers::typedMinutes()
{
    QFETCH(QString, tasti);
    QFETCH(QString, casella);
    QFETCH(QVector<int>, codici);
    Finestra f;
    f.apri(15 * kOra);
    f.scrivi(1, tasti);
    QCOMPARE(f.casella(1)->text(), casella);
    QCOMPARE(f.codici, codici);
    // A full minutes box moves the focus nowhere.
    QCOMPARE(f.w->focusWidget(), f.casella(1));
}

void TestAnswers::pastedText_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("appunti");
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QVector<int>>("codici");
    QTest::newRow("hours: digits") << 0 << "15"
                                   << "15" << QVector<int>{};
    QTest::newRow("hours: letters") << 0 << "1a"
                                    << "" << QVector<int>{};
    QTest::newRow("hours: sentence") << 0 << "le tre"
                                     << "" << QVector<int>{};
    // The digits that fit are kept, as typing the same keys would keep them.
    QTest::newRow("hours: time with colon") << 0 << "15:20"
                                            << "15" << QVector<int>{};
    QTest::newRow("hours: too large") << 0 << "30"
                                      << "" << QVector<int>{2};
    QTest::newRow("hours: three digits") << 0 << "123"
                                         << "12" << QVector<int>{};
    QTest::newRow("minutes: letters") << 1 << "x5"
                                      << "" << QVector<int>{};
    QTest::newRow("minutes: too large") << 1 << "75"
                                        << "" << QVector<int>{3};
}

void TestAnswers::pastedText()
{
    QFETCH(int, indice);
    QFETCH(QString, appunti);
    QFETCH(QString, casella);
    QFETCH(QVector<int>, codici);
    Finestra f;
    f.apri(15 * kOra);
    QLineEdit* box = f.casella(indice);
    box->setFocus();
    QGuiApplication::clipboard()->setText(appunti);
    box->paste();
    QCOMPARE(box->text(), casella);
    QCOMPARE(f.codici, codici);
    // Pasted text never turns into a verdict: with a box still empty "OK!" asks for it.
    f.codici.clear();
    f.ok()->click();
    QCOMPARE(f.codici, QVector<int>{f.casella(0)->text().isEmpty() ? 4 : 5});
}

void TestAnswers::focusSelectsTheOldAnswer()
{
    Finestra f;
    f.apri(15 * kOra);
    f.scrivi(1, QStringLiteral("20"));
    f.scrivi(0, QStringLiteral("3"));
    QCOMPARE(QApplication::focusWidget(), f.casella(0));
    // Back in the minutes box, typing replaces the old answer.
    f.casella(1)->setFocus();
    QCOMPARE(f.casella(1)->selectedText(), QStringLiteral("20"));
    QTest::keyClicks(f.casella(1), QStringLiteral("25"));
    QCOMPARE(f.casella(1)->text(), QStringLiteral("25"));
    // A click into the box keeps the selection too.
    QTest::mouseClick(f.casella(0), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(f.casella(0)->selectedText(), QStringLiteral("3"));
}

void TestAnswers::okWhileAMessageIsOpenIsIgnored()
{
    Finestra f;
    f.apri(15 * kOra);
    f.scrivi(0, QStringLiteral("3"));
    f.scrivi(1, QStringLiteral("20"));
    f.codici.clear();
    QPushButton* ok = f.ok();
    int annidati = 0;
    f.tw.fake.dialogs->onModal = [&](QDialog&) {
        f.codici << modTempolino::CodiceMessaggio;
        // The main window is blocked while the message is open: a click on "OK!" and
        // a key typed reach nothing.
        if (annidati++ == 0) {
            const QPoint dove = ok->mapTo(f.w, ok->rect().center());
            QTest::mouseClick(f.w->windowHandle(), Qt::LeftButton, {}, dove);
            QTest::keyClick(f.w->windowHandle(), Qt::Key_5);
        }
        return 1;
    };
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(f.codici, QVector<int>{1});
    QCOMPARE(f.casella(1)->text(), QStringLiteral("20"));
    // Once the message has closed, the same click is heard again.
    const QPoint dove = ok->mapTo(f.w, ok->rect().center());
    QTest::mouseClick(f.w->windowHandle(), Qt::LeftButton, {}, dove);
    QCOMPARE(f.codici, (QVector<int>{1, 1}));
}

void TestAnswers::finalTestCounting()
{
    Finestra f;
    const int t = 9 * kOra + 12 * kMinuto;
    f.apri(10 * kOra);
    ControlloreEsercizi* esercizi = EserciziDi(f.w);
    // The final test's first question: a reading question at 9:12.
    f.tw.fake.random->scripted = {estrazionePer(t)};
    f.tw.c<OptionGroup>("grpTest")->select(3);
    QVERIFY(esercizi->provaInCorso());
    QCOMPARE(esercizi->passoProva(), 0);
    QVERIFY(!esercizi->erroreCommesso());
    QCOMPARE(f.w->stato()->TempoCorrente(), float(t));

    // The first error: message 9, the same question stays.
    f.scrivi(0, QStringLiteral("21"));
    f.scrivi(1, QStringLiteral("12"));
    f.codici.clear();
    f.ok()->click();
    QCOMPARE(f.codici, QVector<int>{9});
    QVERIFY(esercizi->erroreCommesso());
    QCOMPARE(esercizi->passoProva(), 0);
    QCOMPARE(f.w->stato()->TempoCorrente(), float(t));

    // A right answer counts one more and hands over to the test's driver.
    f.tw.fake.random->scripted = {estrazionePer(t)};
    f.casella(0)->setText(QStringLiteral("9"));
    f.codici.clear();
    f.ok()->click();
    QCOMPARE(f.codici.value(0), 0);
    QCOMPARE(esercizi->passoProva(), 1);
    QVERIFY(esercizi->erroreCommesso());

    // A second error ends the test: no advice, no second chance.
    f.scrivi(0, QStringLiteral("3"));
    f.scrivi(1, QStringLiteral("3"));
    f.codici.clear();
    f.ok()->click();
    QVERIFY(esercizi->faseProva() == FaseProva::Persa);
    QCOMPARE(esercizi->passoProva(), 1);
    QCOMPARE(f.codici, QVector<int>{7});
}

QTEST_MAIN(TestAnswers)
#include "tst_answers.moc"
