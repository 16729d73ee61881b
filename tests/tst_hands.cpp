// SPDX-License-Identifier: GPL-3.0-or-later
// The child moves the hands on the face: which hand a press grabs, the steps a drag
// or a key amounts to with their wrap around midnight and noon, dragging on the real
// window with the mouse and a finger, the pointer, the keys, the sound, the focus
// rings, and all of it only while the adjustment buttons are usable.

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>

#include "ArrotondaPari.h"
#include "PassoOra.h"
#include "PresaLancette.h"
#include "TestWindow.h"
#include "TrascinaLancette.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

float hm(int h, int m)
{
    return static_cast<float>(h * 3600 + m * 60);
}

QString hms(float T)
{
    const int t = static_cast<int>(T);
    return QStringLiteral("%1:%2").arg(t / 3600).arg(t % 3600 / 60, 2, 10, QLatin1Char('0'));
}

constexpr double kPi = 3.14159265358979323846;

// The point at `r` pixels from c in the direction `angolo` (degrees clockwise from 12).
QPointF Verso(QPointF c, double angolo, double r)
{
    const double a = angolo * kPi / 180.0;
    return {c.x() + r * std::sin(a), c.y() - r * std::cos(a)};
}

// The steps applied to T as the window applies them, one by one; false if any of
// them showed 24:00.
bool Applica(float& T, const Passi& passi)
{
    bool mai24 = true;
    for (int i = 0; i < passi.quanti; ++i) {
        T = PassoOra(T, passi.indice);
        mai24 = mai24 && T != 86400.0f;
    }
    return mai24;
}

// The face of a test window and where things are on it.
struct Faccia {
    QuadranteOrologio* p1;

    QPointF centro() const { return {p1->centroX(), p1->height() - p1->centroY()}; }
    double lunghezza(Lancetta l) const
    {
        return ArrotondaPari(p1->raggio() * (l == Lancetta::Ore ? 0.44 : 0.64) * p1->fattoreLancette());
    }
    // A point on a hand, three quarters of the way to its tip, at the time shown.
    QPoint suLancetta(Lancetta l, float T) const
    {
        return Verso(centro(), AngoloLancetta(l, T), 0.75 * lunghezza(l)).toPoint();
    }
    // A point in a direction at the distance of that hand's grip.
    QPoint aAngolo(Lancetta l, double angolo) const { return Verso(centro(), angolo, 0.75 * lunghezza(l)).toPoint(); }
};

// A drag on the face: press at `da`, move through `via`, let go at the last point.
// `traMosse` runs before every move (a test moves the clock on there).
void Trascina(QWidget* p1, QPoint da, const QList<QPoint>& via, const std::function<void()>& traMosse = {})
{
    QTest::mousePress(p1, Qt::LeftButton, Qt::NoModifier, da);
    for (const QPoint& p : via) {
        if (traMosse)
            traMosse();
        QTest::mouseMove(p1, p);
    }
    QTest::mouseRelease(p1, Qt::LeftButton, Qt::NoModifier, via.isEmpty() ? da : via.last());
}

// The pointer comes over a point of the face without a button held. A test moves the
// real pointer, and a pointer that stays where it was sends no move: it comes from a
// corner of the face first.
void Sorvola(QWidget* p1, QPoint dove)
{
    QTest::mouseMove(p1, QPoint(1, 1));
    QTest::mouseMove(p1, dove);
}

// The angles from one to another, 10 degrees apart, the way a hand is carried round.
QList<double> Arco(double da, double a)
{
    QList<double> angoli;
    const double passo = a >= da ? 10 : -10;
    for (double x = da + passo; passo > 0 ? x < a : x > a; x += passo)
        angoli.append(x);
    angoli.append(a);
    return angoli;
}

// A window in manual mode standing at T.
void Manuale(TestWindow& tw, float T)
{
    tw.c<OptionGroup>("grpCtrTime")->select(0);
    tw.w->stato()->MostraOra(T);
    tw.fake.sound->played.clear();
}

// Answers the reading question on screen right.
void RispondiLettura(TestWindow& tw)
{
    const int t = static_cast<int>(tw.w->stato()->TempoCorrente());
    tw.casella(0)->setText(QString::number(t / 3600));
    tw.casella(1)->setText(QString::number(t % 3600 / 60));
    tw.c<QPushButton>("cmdVerificaTest")->click();
}

using Preparazione = std::function<void(TestWindow&)>;

} // namespace

Q_DECLARE_METATYPE(Lancetta)
Q_DECLARE_METATYPE(Preparazione)

class TestHands : public QObject {
    Q_OBJECT
private slots:

    // ---- the geometry, without a window
    void grabbing_data();
    void grabbing();
    void dragSteps_data();
    void dragSteps();

    // ---- the real window
    void dragOnTheFace_data();
    void dragOnTheFace();
    void grabbingDoesNotMoveTheHand();
    void onlyWhileTheButtonsAreUsable_data();
    void onlyWhileTheButtonsAreUsable();
    void pressAwayFromTheHandsDoesNothing();
    void putAwayDuringTheDrag();
    void aLostReleaseLetsGo();
    void pointerShowsTheGrip();
    void aFingerDragsToo();
    void soundWithTheSteps_data();
    void soundWithTheSteps();
    void keysOnTheFace_data();
    void keysOnTheFace();
    void heldKeyRepeats();
    void focusRings();
    void faceRingOnlyFromTheKeyboard_data();
    void faceRingOnlyFromTheKeyboard();
    void everyButtonTheKeysReachShowsIt_data();
    void everyButtonTheKeysReachShowsIt();
};

// ---------------------------------------------------------------- geometry

void TestHands::grabbing_data()
{
    QTest::addColumn<float>("T");
    QTest::addColumn<double>("angolo");
    QTest::addColumn<double>("r");
    QTest::addColumn<Lancetta>("attesa");
    // Radius 234: the hour hand is 103 long, the minute hand 150.
    QTest::newRow("on the minute hand at 10:00") << hm(10, 0) << 0.0 << 100.0 << Lancetta::Minuti;
    QTest::newRow("on the hour hand at 10:00") << hm(10, 0) << 300.0 << 60.0 << Lancetta::Ore;
    QTest::newRow("14 px beyond the minute hand's tip") << hm(10, 0) << 0.0 << 164.0 << Lancetta::Minuti;
    QTest::newRow("16 px beyond the minute hand's tip") << hm(10, 0) << 0.0 << 166.0 << Lancetta::Nessuna;
    QTest::newRow("far from both") << hm(10, 0) << 150.0 << 80.0 << Lancetta::Nessuna;
    QTest::newRow("at the hub, the short hand") << hm(10, 0) << 0.0 << 0.0 << Lancetta::Ore;
    QTest::newRow("hands together at 12, within the short one") << hm(12, 0) << 0.0 << 60.0 << Lancetta::Ore;
    QTest::newRow("hands together at 12, beyond the short one") << hm(12, 0) << 0.0 << 130.0 << Lancetta::Minuti;
    QTest::newRow("between the hands at 2:00, nearer the long one") << hm(2, 0) << 18.0 << 40.0 << Lancetta::Minuti;
    QTest::newRow("between the hands at 2:00, nearer the short one") << hm(2, 0) << 42.0 << 40.0 << Lancetta::Ore;
}

void TestHands::grabbing()
{
    QFETCH(float, T);
    QFETCH(double, angolo);
    QFETCH(double, r);
    QFETCH(Lancetta, attesa);
    const QPointF c(248, 258);
    const FormaLancette forma = FormaDelleLancette(c, 234, 1.0f, T);
    QCOMPARE(LancettaVicina(forma, Verso(c, angolo, r)), attesa);
    // A hand grabbed on its own line does not jump.
    const Presa presa = Afferra(forma, Verso(c, angolo, r), T);
    QCOMPARE(presa.lancetta, attesa);
    if (attesa != Lancetta::Nessuna)
        QCOMPARE(Trascina(presa, c, Verso(c, angolo, r), T), Passi{});
}

void TestHands::dragSteps_data()
{
    QTest::addColumn<Lancetta>("lancetta");
    QTest::addColumn<float>("da");
    QTest::addColumn<QList<double>>("angoli"); // where the pointer goes, in order
    QTest::addColumn<float>("atteso");

    QTest::newRow("minute hand from 12 to 3 at 10:00")
        << Lancetta::Minuti << hm(10, 0) << QList<double>{30, 60, 90} << hm(10, 15);
    QTest::newRow("minute hand from 12 to 3 in one leap")
        << Lancetta::Minuti << hm(10, 0) << QList<double>{90} << hm(10, 15);
    QTest::newRow("minute hand on past 12 at 10:50")
        << Lancetta::Minuti << hm(10, 50) << QList<double>{330, 0, 30} << hm(11, 5);
    QTest::newRow("minute hand back past 12 at 11:05")
        << Lancetta::Minuti << hm(11, 5) << QList<double>{0, 330, 300} << hm(10, 50);
    QTest::newRow("minute hand on past 12 at 23:55 is 00:00")
        << Lancetta::Minuti << hm(23, 55) << QList<double>{0} << hm(0, 0);
    QTest::newRow("minute hand back past 12 at 00:00 is 23:59")
        << Lancetta::Minuti << hm(0, 0) << QList<double>{354} << hm(23, 59);
    QTest::newRow("minute hand on past 12 at 11:58 is noon")
        << Lancetta::Minuti << hm(11, 58) << QList<double>{0} << hm(12, 0);
    QTest::newRow("minute hand whole turn and a bit") << Lancetta::Minuti << hm(9, 0) << Arco(0, 390) << hm(10, 5);
    // The hour hand stands a third of the way past its hour at twenty past.
    QTest::newRow("hour hand from 10 to 2 at 10:20")
        << Lancetta::Ore << hm(10, 20) << QList<double>{340, 10, 40, 70} << hm(14, 20);
    QTest::newRow("hour hand a second turn to 02:20") << Lancetta::Ore << hm(14, 20) << Arco(70, 430) << hm(2, 20);
    QTest::newRow("hour hand back past 12 at 01:30")
        << Lancetta::Ore << hm(1, 30) << QList<double>{15, 345} << hm(23, 30);
    QTest::newRow("hour hand on past 12 at 23:10 is 00:10")
        << Lancetta::Ore << hm(23, 10) << QList<double>{5} << hm(0, 10);
    QTest::newRow("hour hand on past 12 at 11:45 is 12:45")
        << Lancetta::Ore << hm(11, 45) << QList<double>{22.5} << hm(12, 45);
    // The short hand turns the long one with it: two minutes for each of its degrees.
    QTest::newRow("hour hand on by 10 degrees is 20 minutes")
        << Lancetta::Ore << hm(10, 20) << QList<double>{320} << hm(10, 40);
    QTest::newRow("hour hand back to the 10 is 10:00")
        << Lancetta::Ore << hm(10, 20) << QList<double>{320, 324, 300} << hm(10, 0);
    QTest::newRow("hour hand between 6 and 7 from midnight is 06:30")
        << Lancetta::Ore << hm(0, 0) << QList<double>{60, 120, 180, 195} << hm(6, 30);
    QTest::newRow("hour hand a degree and a half is 3 minutes")
        << Lancetta::Ore << hm(23, 59) << QList<double>{1} << hm(0, 2);
}

void TestHands::dragSteps()
{
    QFETCH(Lancetta, lancetta);
    QFETCH(float, da);
    QFETCH(QList<double>, angoli);
    QFETCH(float, atteso);
    const QPointF c(0, 0);
    float T = da;
    for (double a : angoli)
        QVERIFY2(Applica(T, Trascina(Presa{lancetta, 0}, c, Verso(c, a, 100), T)), "24:00 shown");
    QCOMPARE(hms(T), hms(atteso));
    // At the centre the pointer has no angle to follow.
    QCOMPARE(Trascina(Presa{lancetta, 0}, c, Verso(c, 180, kRaggioFermo - 1), T), Passi{});
}

// ---------------------------------------------------------------- the real window

void TestHands::dragOnTheFace_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<Lancetta>("lancetta");
    QTest::addColumn<float>("da");
    QTest::addColumn<QList<double>>("angoli");
    QTest::addColumn<QString>("lettura");
    QTest::addColumn<int>("passi");

    for (const QSize schermo : {QSize(800, 600), QSize(1024, 768)}) {
        const QByteArray s = schermo.width() == 800 ? " (1.0)" : " (1.3)";
        QTest::newRow("minute hand from 12 to 3 at 10:00" + s)
            << schermo << Lancetta::Minuti << hm(10, 0) << Arco(0, 90) << "10:15:00" << 15;
        QTest::newRow("minute hand across 12 from 10:50 to 10:05" + s)
            << schermo << Lancetta::Minuti << hm(10, 50) << Arco(300, 390) << "11:05:00" << 15;
        QTest::newRow("hour hand from 10 to 2 at 10:20" + s)
            << schermo << Lancetta::Ore << hm(10, 20) << Arco(310, 430) << "14:20:00" << 240;
    }
    QTest::newRow("hour hand from 10 to 2 and a second turn")
        << QSize(1024, 768) << Lancetta::Ore << hm(10, 20) << Arco(310, 790) << "2:20:00" << 960;
    QTest::newRow("minute hand back across midnight")
        << QSize(1024, 768) << Lancetta::Minuti << hm(0, 10) << Arco(60, -30) << "23:55:00" << 15;
}

void TestHands::dragOnTheFace()
{
    QFETCH(QSize, schermo);
    QFETCH(Lancetta, lancetta);
    QFETCH(float, da);
    QFETCH(QList<double>, angoli);
    QFETCH(QString, lettura);
    QFETCH(int, passi);
    TestWindow tw(schermo, 36000);
    Manuale(tw, da);
    const Faccia f{tw.c<QuadranteOrologio>("p1")};
    QSignalSpy spy(tw.c<PresaLancette>("presaLancette"), &PresaLancette::passo);
    QList<QPoint> via;
    for (double a : angoli)
        via.append(f.aAngolo(lancetta, a));
    Trascina(f.p1, f.suLancetta(lancetta, da), via);

    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), lettura);
    QCOMPARE(spy.count(), passi);
    // The face, the scene and the globe follow every step, as with the buttons.
    const float T = tw.w->stato()->TempoCorrente();
    QCOMPARE(f.p1->facciaDisegnata().secondo, static_cast<long>(T));
    QCOMPARE(tw.w->stato()->ultimiValori().ora, int(std::floor(T / 3600)));
    QCOMPARE(tw.w->stato()->OreCorrenti(), T / 3600);
    // Let go, the time stays; a move without a button held moves nothing.
    QTest::mouseMove(f.p1, f.aAngolo(lancetta, angoli.last() + 90));
    QCOMPARE(tw.w->stato()->TempoCorrente(), T);
}

void TestHands::grabbingDoesNotMoveTheHand()
{
    // Pressing beside the hand, not on its line, takes it where it is; the drag then
    // turns it by as much as the pointer turns.
    TestWindow tw;
    Manuale(tw, hm(10, 0));
    const Faccia f{tw.c<QuadranteOrologio>("p1")};
    const QPointF c = f.centro();
    const QPoint accanto = Verso(c, 8, 100).toPoint(); // about 14 px to the right of the hand
    QTest::mousePress(f.p1, Qt::LeftButton, Qt::NoModifier, accanto);
    QCOMPARE(tw.w->stato()->TempoCorrente(), hm(10, 0));
    QTest::mouseMove(f.p1, Verso(c, 38, 100).toPoint());
    QTest::mouseRelease(f.p1, Qt::LeftButton, Qt::NoModifier, Verso(c, 38, 100).toPoint());
    QCOMPARE(tw.w->stato()->TempoCorrente(), hm(10, 5));
}

void TestHands::onlyWhileTheButtonsAreUsable_data()
{
    QTest::addColumn<Preparazione>("prepara");
    QTest::addColumn<bool>("muove");
    QTest::newRow("the clock follows the computer") << Preparazione([](TestWindow&) {}) << false;
    QTest::newRow("manual mode") << Preparazione([](TestWindow& tw) { tw.c<OptionGroup>("grpCtrTime")->select(0); })
                                 << true;
    QTest::newRow("back to the computer's time") << Preparazione([](TestWindow& tw) {
        tw.c<OptionGroup>("grpCtrTime")->select(0);
        tw.c<OptionGroup>("grpCtrTime")->select(1);
    }) << false;
    QTest::newRow("Indovina l'ora") << Preparazione([](TestWindow& tw) { tw.c<QToolButton>("cmdTest")->click(); })
                                    << false;
    for (int tipo : {1, 2})
        QTest::addRow("Imposta l'ora (%d)", tipo) << Preparazione([tipo](TestWindow& tw) {
            tw.c<QToolButton>("cmdTest")->click();
            tw.c<OptionGroup>("grpTest")->select(tipo);
        }) << true;
    QTest::newRow("final test, a reading question") << Preparazione([](TestWindow& tw) {
        tw.c<QToolButton>("cmdTest")->click();
        tw.c<OptionGroup>("grpTest")->select(3);
    }) << false;
    QTest::newRow("final test, a setting question") << Preparazione([](TestWindow& tw) {
        tw.c<QToolButton>("cmdTest")->click();
        tw.c<OptionGroup>("grpTest")->select(3);
        for (int i = 0; i < 3; ++i)
            RispondiLettura(tw);
        QVERIFY(tw.esercizi()->tipoEsercizio() == TipoDomanda::Impostazione);
    }) << true;
}

void TestHands::onlyWhileTheButtonsAreUsable()
{
    QFETCH(Preparazione, prepara);
    QFETCH(bool, muove);
    TestWindow tw;
    prepara(tw);
    QCOMPARE(Trova<PannelloRegolazione>(tw.w, "picRegolazione")->regolazioneAttiva(), muove);
    tw.w->stato()->MostraOra(hm(10, 0));
    const Faccia f{tw.c<QuadranteOrologio>("p1")};
    QSignalSpy spy(tw.c<PresaLancette>("presaLancette"), &PresaLancette::passo);
    tw.fake.sound->played.clear();

    Sorvola(f.p1, f.suLancetta(Lancetta::Minuti, hm(10, 0)));
    QCOMPARE(f.p1->testAttribute(Qt::WA_SetCursor), muove);
    QList<QPoint> via;
    for (double a : Arco(0, 90))
        via.append(f.aAngolo(Lancetta::Minuti, a));
    Trascina(f.p1, f.suLancetta(Lancetta::Minuti, hm(10, 0)), via);
    f.p1->setFocus();
    tw.fake.clock->elapsed += 1;
    QTest::keyClick(f.p1, Qt::Key_PageUp);

    QCOMPARE(tw.w->stato()->TempoCorrente(), muove ? hm(11, 15) : hm(10, 0));
    QCOMPARE(spy.count(), muove ? 16 : 0);
    QCOMPARE(tw.fake.sound->count(105), muove ? 2 : 0);
}

void TestHands::pressAwayFromTheHandsDoesNothing()
{
    TestWindow tw;
    Manuale(tw, hm(10, 0));
    const Faccia f{tw.c<QuadranteOrologio>("p1")};
    QSignalSpy spy(tw.c<PresaLancette>("presaLancette"), &PresaLancette::passo);
    // Between 4 and 5, far from both hands.
    Trascina(f.p1, f.aAngolo(Lancetta::Minuti, 140), {f.aAngolo(Lancetta::Minuti, 200)});
    QCOMPARE(spy.count(), 0);
    QCOMPARE(tw.w->stato()->TempoCorrente(), hm(10, 0));
    QVERIFY(tw.fake.sound->played.isEmpty());
    QVERIFY(!f.p1->testAttribute(Qt::WA_SetCursor));
}

void TestHands::putAwayDuringTheDrag()
{
    // The child goes back to the computer's time by the keyboard while dragging: the
    // hand is let go at once.
    TestWindow tw;
    Manuale(tw, hm(10, 0));
    const Faccia f{tw.c<QuadranteOrologio>("p1")};
    auto* presa = tw.c<PresaLancette>("presaLancette");
    QTest::mousePress(f.p1, Qt::LeftButton, Qt::NoModifier, f.suLancetta(Lancetta::Minuti, hm(10, 0)));
    QTest::mouseMove(f.p1, f.aAngolo(Lancetta::Minuti, 30));
    QCOMPARE(tw.w->stato()->TempoCorrente(), hm(10, 5));
    tw.c<OptionGroup>("grpCtrTime")->select(1);
    tw.tickAt(50000);
    QTest::mouseMove(f.p1, f.aAngolo(Lancetta::Minuti, 90));
    QCOMPARE(presa->lancettaPresa(), Lancetta::Nessuna);
    QTest::mouseRelease(f.p1, Qt::LeftButton, Qt::NoModifier, f.aAngolo(Lancetta::Minuti, 90));
    QCOMPARE(tw.w->stato()->TempoCorrente(), 50000.0f);
    QVERIFY(!f.p1->testAttribute(Qt::WA_SetCursor));
}

void TestHands::aLostReleaseLetsGo()
{
    // The release went to another window: the next move comes without the button held,
    // and the hand no longer follows.
    TestWindow tw;
    Manuale(tw, hm(10, 0));
    const Faccia f{tw.c<QuadranteOrologio>("p1")};
    QTest::mousePress(f.p1, Qt::LeftButton, Qt::NoModifier, f.suLancetta(Lancetta::Minuti, hm(10, 0)));
    QTest::mouseMove(f.p1, f.aAngolo(Lancetta::Minuti, 30));
    QCOMPARE(tw.w->stato()->TempoCorrente(), hm(10, 5));
    const QPointF dove = f.aAngolo(Lancetta::Minuti, 90);
    QMouseEvent senzaTasto(QEvent::MouseMove, dove, f.p1->mapToGlobal(dove), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
    QCoreApplication::sendEvent(f.p1, &senzaTasto);
    QCOMPARE(tw.c<PresaLancette>("presaLancette")->lancettaPresa(), Lancetta::Nessuna);
    QCOMPARE(tw.w->stato()->TempoCorrente(), hm(10, 5));
    QTest::mouseRelease(f.p1, Qt::LeftButton, Qt::NoModifier, f.aAngolo(Lancetta::Minuti, 90));
}

void TestHands::pointerShowsTheGrip()
{
    TestWindow tw;
    Manuale(tw, hm(10, 0));
    const Faccia f{tw.c<QuadranteOrologio>("p1")};
    auto forma = [&] { return f.p1->testAttribute(Qt::WA_SetCursor) ? f.p1->cursor().shape() : Qt::ArrowCursor; };
    const QPoint lontano = f.aAngolo(Lancetta::Minuti, 150);
    Sorvola(f.p1, lontano);
    QVERIFY(!f.p1->testAttribute(Qt::WA_SetCursor));
    Sorvola(f.p1, f.suLancetta(Lancetta::Ore, hm(10, 0)));
    QCOMPARE(forma(), Qt::OpenHandCursor);
    QTest::mousePress(f.p1, Qt::LeftButton, Qt::NoModifier, f.suLancetta(Lancetta::Ore, hm(10, 0)));
    QCOMPARE(forma(), Qt::ClosedHandCursor);
    QTest::mouseMove(f.p1, f.aAngolo(Lancetta::Ore, 330));
    QCOMPARE(forma(), Qt::ClosedHandCursor);
    QTest::mouseRelease(f.p1, Qt::LeftButton, Qt::NoModifier, lontano);
    // Away from the hands the face has its usual pointer again.
    QVERIFY(!f.p1->testAttribute(Qt::WA_SetCursor));
    // The short hand turned by a twelfth: an hour, to the minute a pixel of the pointer gives.
    QVERIFY(qAbs(tw.w->stato()->TempoCorrente() - hm(11, 0)) <= 60);
}

void TestHands::aFingerDragsToo()
{
    TestWindow tw;
    Manuale(tw, hm(10, 0));
    tw.w->show();
    const Faccia f{tw.c<QuadranteOrologio>("p1")};
    // The test owns the stand-in touch screen.
    const std::unique_ptr<QPointingDevice> schermoTattile(QTest::createTouchDevice());
    QPointingDevice* dito = schermoTattile.get();
    QTest::touchEvent(f.p1, dito).press(0, f.suLancetta(Lancetta::Minuti, hm(10, 0)), f.p1);
    for (double a : Arco(0, 90))
        QTest::touchEvent(f.p1, dito).move(0, f.aAngolo(Lancetta::Minuti, a), f.p1);
    QTest::touchEvent(f.p1, dito).release(0, f.aAngolo(Lancetta::Minuti, 90), f.p1);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("10:15:00"));
}

void TestHands::soundWithTheSteps_data()
{
    QTest::addColumn<double>("intervallo"); // seconds between two moves of the pointer
    QTest::addColumn<bool>("suoni");
    QTest::addColumn<int>("attesi");
    // Nine moves of one minute each.
    QTest::newRow("all in one instant") << 0.0 << true << 1;
    QTest::newRow("20 ms apart") << 0.02 << true << 3;
    QTest::newRow("50 ms apart") << 0.05 << true << 9;
    QTest::newRow("sounds off") << 0.05 << false << 0;
}

void TestHands::soundWithTheSteps()
{
    QFETCH(double, intervallo);
    QFETCH(bool, suoni);
    QFETCH(int, attesi);
    TestWindow tw;
    Manuale(tw, hm(10, 0));
    tw.stato()->ImpostaSuoniAttivi(suoni);
    const Faccia f{tw.c<QuadranteOrologio>("p1")};
    QList<QPoint> via;
    for (int m = 1; m <= 9; ++m)
        via.append(f.aAngolo(Lancetta::Minuti, 6.0 * m));
    FakeClock* orologio = tw.fake.clock;
    Trascina(f.p1, f.suLancetta(Lancetta::Minuti, hm(10, 0)), via, [&] { orologio->elapsed += intervallo; });
    QCOMPARE(tw.w->stato()->TempoCorrente(), hm(10, 9));
    QCOMPARE(tw.fake.sound->count(105), attesi);
    QCOMPARE(tw.fake.sound->played.size(), attesi);
}

void TestHands::keysOnTheFace_data()
{
    QTest::addColumn<int>("tasto");
    QTest::addColumn<Qt::KeyboardModifiers>("modificatori");
    QTest::addColumn<float>("da");
    QTest::addColumn<QString>("lettura");
    const Qt::KeyboardModifiers nessuno, shift(Qt::ShiftModifier);
    QTest::newRow("Right at 10:59") << int(Qt::Key_Right) << nessuno << hm(10, 59) << "11:00:00";
    QTest::newRow("Up at 23:59") << int(Qt::Key_Up) << nessuno << hm(23, 59) << "0:00:00";
    QTest::newRow("Left at 00:00") << int(Qt::Key_Left) << nessuno << hm(0, 0) << "23:59:00";
    QTest::newRow("Down at 10:00") << int(Qt::Key_Down) << nessuno << hm(10, 0) << "9:59:00";
    QTest::newRow("Shift+Right at 23:57") << int(Qt::Key_Right) << shift << hm(23, 57) << "0:02:00";
    QTest::newRow("Shift+Left at 00:02") << int(Qt::Key_Left) << shift << hm(0, 2) << "23:57:00";
    QTest::newRow("Page Up at 23:30") << int(Qt::Key_PageUp) << nessuno << hm(23, 30) << "0:30:00";
    QTest::newRow("Page Down at 00:30") << int(Qt::Key_PageDown) << nessuno << hm(0, 30) << "23:30:00";
}

void TestHands::keysOnTheFace()
{
    QFETCH(int, tasto);
    QFETCH(Qt::KeyboardModifiers, modificatori);
    QFETCH(float, da);
    QFETCH(QString, lettura);
    TestWindow tw;
    Manuale(tw, da);
    QWidget* p1 = tw.c("p1");
    // The mode button gave the focus back to the face.
    QCOMPARE(tw.w->focusWidget(), p1);
    QTest::keyClick(p1, static_cast<Qt::Key>(tasto), modificatori);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), lettura);
    QCOMPARE(tw.fake.sound->played, QVector<int>{105});
    // The same key while the clock follows the computer moves nothing.
    tw.c<OptionGroup>("grpCtrTime")->select(1);
    tw.tickAt(40000);
    tw.fake.sound->played.clear();
    QTest::keyClick(p1, static_cast<Qt::Key>(tasto), modificatori);
    QCOMPARE(tw.w->stato()->TempoCorrente(), 40000.0f);
    QVERIFY(tw.fake.sound->played.isEmpty());
}

void TestHands::heldKeyRepeats()
{
    // A held key arrives again and again at the keyboard's rate, here every 30 ms:
    // each is a step, the sound at most every 50 ms.
    TestWindow tw;
    Manuale(tw, hm(10, 0));
    QWidget* p1 = tw.c("p1");
    for (int i = 0; i < 5; ++i) {
        QKeyEvent tasto(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), i > 0);
        QCoreApplication::sendEvent(p1, &tasto);
        tw.fake.clock->elapsed += 0.03;
    }
    QCOMPARE(tw.w->stato()->TempoCorrente(), hm(10, 5));
    QCOMPARE(tw.fake.sound->count(105), 3);
}

void TestHands::focusRings()
{
    TestWindow tw;
    tw.w->show();
    QApplication::setActiveWindow(tw.w);
    const QColor giallo(255, 255, 0);
    QWidget* p1 = tw.c("p1");
    auto* cmdTest = tw.c<QToolButton>("cmdTest");
    auto* chkSuono = tw.c<QToolButton>("chkSuono");

    const QImage primaTest = cmdTest->grab().toImage();
    const QImage primaSuono = chkSuono->grab().toImage();
    cmdTest->setFocus(Qt::TabFocusReason);
    p1->setFocus(Qt::TabFocusReason);
    QVERIFY(p1->hasFocus());
    QImage faccia = p1->grab().toImage();
    QCOMPARE(faccia.pixelColor(0, faccia.height() / 2), giallo);
    QCOMPARE(faccia.pixelColor(faccia.width() / 2, 1), giallo);

    // Each picture button shows a ring with the focus, and looks as before without it.
    for (QToolButton* b : {cmdTest, chkSuono}) {
        b->setFocus();
        QVERIFY(b->hasFocus());
        const QImage con = b->grab().toImage();
        QCOMPARE(con.pixelColor(0, con.height() / 2), giallo);
        QCOMPARE(con.pixelColor(con.width() / 2, con.height() - 1), giallo);
    }
    p1->setFocus();
    QCOMPARE(cmdTest->grab().toImage(), primaTest);
    QCOMPARE(chkSuono->grab().toImage(), primaSuono);
    // The face without the focus has no ring: the black of its corner shows.
    cmdTest->setFocus();
    faccia = p1->grab().toImage();
    QCOMPARE(faccia.pixelColor(0, 0), QColor(Qt::black));

    // The adjustment buttons too, when the keyboard reaches them.
    tw.c<OptionGroup>("grpCtrTime")->select(0);
    QWidget* piu = tw.c("cmdTime", OreAvanti);
    piu->setFocus();
    const QImage tasto = piu->grab().toImage();
    QCOMPARE(tasto.pixelColor(0, tasto.height() / 2), giallo);
    QCOMPARE(tasto.pixelColor(3, 3), QColor(0, 0, 255));
}

namespace {

// True when the control shows the yellow ring along its edge.
bool Anello(QWidget* w)
{
    const QImage img = w->grab().toImage();
    const QColor giallo(255, 255, 0);
    return img.pixelColor(0, img.height() / 2) == giallo && img.pixelColor(img.width() / 2, 0) == giallo;
}

} // namespace

void TestHands::faceRingOnlyFromTheKeyboard_data()
{
    QTest::addColumn<Preparazione>("come");
    QTest::addColumn<bool>("anello");
    QTest::newRow("at start-up") << Preparazione([](TestWindow&) {}) << false;
    QTest::newRow("a click on the face") << Preparazione([](TestWindow& tw) {
        QTest::mouseClick(tw.c("p1"), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    }) << false;
    QTest::newRow("given back after a button")
        << Preparazione([](TestWindow& tw) { tw.c<QToolButton>("optStyleNum_2")->click(); }) << false;
    QTest::newRow("Shift+Tab from the next control") << Preparazione([](TestWindow& tw) {
        QWidget* dopo = tw.c("p1")->nextInFocusChain();
        while (!(dopo->focusPolicy() & Qt::TabFocus) || !dopo->isEnabled() || !dopo->isVisible())
            dopo = dopo->nextInFocusChain();
        dopo->setFocus(Qt::TabFocusReason);
        QTest::keyClick(dopo, Qt::Key_Backtab, Qt::ShiftModifier);
    }) << true;
    QTest::newRow("Tab from the exit button") << Preparazione([](TestWindow& tw) {
        tw.c("cmdEsci")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(tw.c("cmdEsci"), Qt::Key_Tab);
    }) << true;
    QTest::newRow("a key on the clicked face") << Preparazione([](TestWindow& tw) {
        QTest::mouseClick(tw.c("p1"), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QTest::keyClick(tw.c("p1"), Qt::Key_P);
    }) << true;
}

void TestHands::faceRingOnlyFromTheKeyboard()
{
    // The yellow ring tells a child at the keyboard where the keys act; given by the
    // program or a click it would only be a yellow frame round the clock.
    QFETCH(Preparazione, come);
    QFETCH(bool, anello);
    TestWindow tw;
    tw.w->show();
    QApplication::setActiveWindow(tw.w);
    QWidget* p1 = tw.c("p1");
    p1->setFocus();
    come(tw);
    QVERIFY(p1->hasFocus());
    QCOMPARE(Anello(p1), anello);
}

void TestHands::everyButtonTheKeysReachShowsIt_data()
{
    QTest::addColumn<bool>("esercizi");
    QTest::newRow("the clock") << false;
    QTest::newRow("the exercises") << true;
}

void TestHands::everyButtonTheKeysReachShowsIt()
{
    // Tab and Shift+Tab walk the window: every button, option and list they reach shows the
    // ring, so that the space bar never presses a button the child cannot see.
    QFETCH(bool, esercizi);
    TestWindow tw;
    tw.w->show();
    QApplication::setActiveWindow(tw.w);
    if (esercizi)
        tw.c<QToolButton>("cmdTest")->click();
    QWidget* p1 = tw.c("p1");
    p1->setFocus(Qt::TabFocusReason);
    QStringList raggiunti;
    for (int i = 0; i < 80; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QWidget* f = QApplication::focusWidget();
        if (f == p1)
            break;
        raggiunti << f->objectName();
        if (qobject_cast<QLineEdit*>(f))
            continue;
        QVERIFY2(Anello(f), qPrintable(f->objectName()));
    }
    QVERIFY(raggiunti.contains(QStringLiteral("cmdEsci")));
    QCOMPARE(raggiunti.contains(QStringLiteral("cmdVerificaTest")), esercizi);
}

QTEST_MAIN(TestHands)
#include "tst_hands.moc"
