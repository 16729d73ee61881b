// SPDX-License-Identifier: GPL-3.0-or-later
// The spoken time: the face says the shown time in a teacher's words on the key P and
// on its loudspeaker, keeps quiet during the exercises and with the sounds off, and
// the saying of "Imposta l'ora (2)" can be heard. The voice is the stand-in's, which
// records what it was given.

#include <QtTest>

#include "OraInParole.h"
#include "TestWindow.h"
#include "frmClock.h"

class TestSpeech : public QObject {
    Q_OBJECT
private slots:
    void faceSaysTheShownTime_data();
    void faceSaysTheShownTime();
    void keyOnlyOnTheFocusedFace();
    void quietDuringTheExercises();
    void soundsOffMeansNoVoice();
    void voiceReadiedWhenTheWindowShows();
    void sayingCanBeHeard();
    void loudspeakerOutOfTheDial_data();
    void loudspeakerOutOfTheDial();
};

void TestSpeech::faceSaysTheShownTime_data()
{
    QTest::addColumn<double>("secondi");
    QTest::addColumn<bool>("tasto");
    QTest::addColumn<QString>("parole");
    QTest::newRow("key, afternoon") << 15 * 3600 + 15 * 60 + 42.5 << true
                                    << QStringLiteral("Sono le tre e un quarto del pomeriggio");
    QTest::newRow("key, a minute to one")
        << 12 * 3600 + 59 * 60 + 59.0 << true << QStringLiteral("Manca un minuto all'una del pomeriggio");
    QTest::newRow("loudspeaker, midnight") << 5.0 << false << QStringLiteral("È mezzanotte");
    QTest::newRow("loudspeaker, evening")
        << 20 * 3600 + 45 * 60.0 << false << QStringLiteral("Sono le nove meno un quarto di sera");
}

void TestSpeech::faceSaysTheShownTime()
{
    QFETCH(double, secondi);
    QFETCH(bool, tasto);
    QFETCH(QString, parole);
    TestWindow tw;
    tw.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(tw.w));
    tw.tickAt(secondi);
    QWidget* p1 = tw.c("p1");
    if (tasto) {
        p1->setFocus();
        QTest::keyClick(p1, Qt::Key_P);
    } else {
        tw.c<QToolButton>("cmdAscoltaOra")->click();
    }
    QCOMPARE(tw.fake.speech->said, QStringList{parole});
    // The face keeps the focus.
    if (tasto)
        QCOMPARE(tw.w->focusWidget(), p1);
}

void TestSpeech::keyOnlyOnTheFocusedFace()
{
    TestWindow tw;
    tw.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(tw.w));
    tw.tickAt(10 * 3600);
    QWidget* esci = tw.c("cmdEsci");
    esci->setFocus();
    QTest::keyClick(esci, Qt::Key_P);
    QVERIFY(tw.fake.speech->said.isEmpty());
}

void TestSpeech::quietDuringTheExercises()
{
    TestWindow tw;
    tw.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(tw.w));
    tw.fake.dialogs->onModal = [](QDialog&) { return 1; };
    auto* altoparlante = tw.c<QToolButton>("cmdAscoltaOra");
    QWidget* p1 = tw.c("p1");
    tw.c<QToolButton>("cmdTest")->click();
    // The time on the face is the question: no loudspeaker, and the key says nothing.
    QVERIFY(!altoparlante->isVisible());
    p1->setFocus();
    QTest::keyClick(p1, Qt::Key_P);
    QVERIFY(tw.fake.speech->said.isEmpty());

    tw.c<QPushButton>("cmdExitTest")->click();
    QVERIFY(altoparlante->isVisible());
    tw.tickAt(7 * 3600 + 30 * 60);
    p1->setFocus();
    QTest::keyClick(p1, Qt::Key_P);
    QCOMPARE(tw.fake.speech->said, QStringList{QStringLiteral("Sono le sette e mezza del mattino")});
}

void TestSpeech::soundsOffMeansNoVoice()
{
    TestWindow tw;
    tw.w->show();
    tw.tickAt(10 * 3600);
    auto* suono = tw.c<QToolButton>("chkSuono");
    auto* altoparlante = tw.c<QToolButton>("cmdAscoltaOra");
    // Switching the sounds off stops the voice at once, and it says nothing more.
    suono->click();
    QCOMPARE(tw.fake.speech->stops, 1);
    altoparlante->click();
    QVERIFY(tw.fake.speech->said.isEmpty());
    // Back on, the voice speaks again; switching on stops nothing.
    suono->click();
    QCOMPARE(tw.fake.speech->stops, 1);
    altoparlante->click();
    QCOMPARE(tw.fake.speech->said, QStringList{QStringLiteral("Sono le dieci del mattino")});
}

void TestSpeech::voiceReadiedWhenTheWindowShows()
{
    // The engine starts in the background as soon as the main window is up, once, so the
    // child's first question is answered at once; nothing is said for it.
    TestWindow tw;
    QVERIFY(tw.w->isVisible());
    QCOMPARE(tw.fake.speech->prepares, 1);
    QVERIFY(tw.fake.speech->said.isEmpty());
    tw.c<QToolButton>("cmdAscoltaOra")->click();
    QCOMPARE(tw.fake.speech->prepares, 1);
    QCOMPARE(tw.fake.speech->said.size(), 1);
}

void TestSpeech::sayingCanBeHeard()
{
    TestWindow tw;
    tw.w->show();
    tw.fake.dialogs->onModal = [](QDialog&) { return 1; };
    tw.c<QToolButton>("cmdTest")->click();
    auto* altoparlante = tw.c<QToolButton>("cmdAscoltaDetto");
    QVERIFY(!altoparlante->isVisible());
    tw.w->stato()->MostraOra(0);
    tw.fake.random->scripted = {(21 - 0.5) / 22};
    tw.c<AreaEsercizi>("picTest")->SelezionaTipo(SceltaEsercizio::ModoDiDire);
    QVERIFY(altoparlante->isVisible());
    altoparlante->click();
    QCOMPARE(tw.fake.speech->said, QStringList{QStringLiteral("Manca un minuto alle tredici")});
    // Back to reading the clock, the saying and its loudspeaker go.
    tw.c<AreaEsercizi>("picTest")->SelezionaTipo(SceltaEsercizio::Lettura);
    QVERIFY(!altoparlante->isVisible());
}

void TestSpeech::loudspeakerOutOfTheDial_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("1024x768") << QSize(1024, 768);
}

void TestSpeech::loudspeakerOutOfTheDial()
{
    // The loudspeaker stands in the face's corner, off the dial and its rim (radius + 13),
    // wholly inside the face.
    QFETCH(QSize, schermo);
    TestWindow tw(schermo);
    auto* p1 = tw.c<QuadranteOrologio>("p1");
    QWidget* altoparlante = tw.c("cmdAscoltaOra");
    QVERIFY(p1->rect().contains(altoparlante->geometry()));
    const QPointF centro(p1->centroX(), p1->centroY());
    const QRect r = altoparlante->geometry();
    for (const QPoint& angolo : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        QVERIFY(QLineF(centro, angolo).length() > p1->raggio() + 13);
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
