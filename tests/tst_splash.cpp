// SPDX-License-Identifier: GPL-3.0-or-later
// The round splash of the start: its face and racing hands, its tick sound, its
// circular shape, and the five seconds it stands before the main window appears.

#include <QtTest>
#include <cmath>

#include "FakePlatform.h"
#include "InterruttoreSuoni.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "frmSplashClock.h"
#include "modTempolino.h"

namespace {

bool rosso(const QColor& c)
{
    return c.red() > 220 && c.green() < 40 && c.blue() < 40;
}

bool blu(const QColor& c)
{
    return c.blue() > 220 && c.red() < 40 && c.green() < 40;
}

// A point at distance d from the centre in the direction of a clock angle (degrees clockwise from 12).
QPoint verso(double gradi, double d)
{
    const double r = gradi * M_PI / 180.0;
    return QPoint(qRound(200 + std::sin(r) * d), qRound(200 - std::cos(r) * d));
}

// Records the moments the main window is shown.
class Spia : public QObject {
public:
    std::function<void()> allaComparsa;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show && allaComparsa)
            allaComparsa();
        return false;
    }
};

} // namespace

class TestSplash : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void primaImmagineMezzogiornoSenzaSuono();
    void ogniPassoSuccessivoTicchetta();
    void lancetteCorrono_data();
    void lancetteCorrono();
    void ritornoAZeroDopoUnGiorno();
    void niente_fuoriDalCerchio();
    void avvioAttendeCinqueSecondi_data();
    void avvioAttendeCinqueSecondi();
};

void TestSplash::cleanup()
{
    frmSplashClock::scarica();
    if (frmClock::caricato())
        frmClock::istanza()->close();
    flushDeletes();
}

void TestSplash::primaImmagineMezzogiornoSenzaSuono()
{
    FakePlatform fake = FakePlatform::install();
    frmSplashClock* s = frmSplashClock::istanza();
    s->Form_Load();

    QVERIFY(s->isVisible());
    QCOMPARE(s->size(), QSize(400, 400));
    QVERIFY(!s->tmrClock->isSingleShot());
    QCOMPARE(s->tmrClock->interval(), 600);
    QVERIFY(s->tmrClock->isActive());
    QCOMPARE(s->ore, 0.0f);
    QCOMPARE(s->minuti, 0.0f);
    QCOMPARE(s->t, short(45));
    QVERIFY(fake.sound->played.isEmpty());

    // Both hands point up at 12; nothing points down or sideways.
    QVERIFY(rosso(s->superficie->pixelAt(200, 140)));
    QVERIFY(!rosso(s->superficie->pixelAt(200, 260)) && !blu(s->superficie->pixelAt(200, 260)));
    QVERIFY(!rosso(s->superficie->pixelAt(260, 200)) && !blu(s->superficie->pixelAt(260, 200)));
    QVERIFY(!rosso(s->superficie->pixelAt(140, 200)) && !blu(s->superficie->pixelAt(140, 200)));
    // The face: red in the middle, darker towards the rim, yellow title above the centre.
    const QColor faccia = s->superficie->pixelAt(300, 300);
    QVERIFY(faccia.red() > 100 && faccia.red() < 200 && faccia.green() < 80);
}

void TestSplash::ogniPassoSuccessivoTicchetta()
{
    FakePlatform fake = FakePlatform::install();
    const InterruttoreSuoni spenti(false); // the splash ticks whatever the switch says
    frmSplashClock* s = frmSplashClock::istanza();
    s->Form_Load();
    s->tmrClock->stop(); // only the ticks below count
    for (int i = 1; i <= 8; ++i) {
        s->tmrClock_Timer();
        QCOMPARE(fake.sound->count(101), i);
    }
    QCOMPARE(fake.sound->played.size(), 8);
}

void TestSplash::lancetteCorrono_data()
{
    QTest::addColumn<int>("passi");
    QTest::addColumn<double>("angoloMinuti");
    QTest::addColumn<double>("angoloOre");

    QTest::newRow("un passo") << 1 << 45.0 << 3.75;
    QTest::newRow("due passi") << 2 << 90.0 << 7.5;
    QTest::newRow("otto passi, l'una") << 8 << 0.0 << 30.0;
    QTest::newRow("dodici passi") << 12 << 180.0 << 45.0;
}

void TestSplash::lancetteCorrono()
{
    QFETCH(int, passi);
    QFETCH(double, angoloMinuti);
    QFETCH(double, angoloOre);

    FakePlatform::install();
    frmSplashClock* s = frmSplashClock::istanza();
    s->Form_Load();
    s->tmrClock->stop(); // only the ticks below count
    for (int i = 0; i < passi; ++i)
        s->tmrClock_Timer();
    QCOMPARE(double(s->minuti) * 6, angoloMinuti);
    QCOMPARE(double(s->ore) * 30, angoloOre);
    // The minute hand lies along its angle, 60 pixels out.
    QVERIFY(rosso(s->superficie->pixelAt(verso(angoloMinuti, 60).x(), verso(angoloMinuti, 60).y())));
    // Opposite the minute hand, beyond its short tail, there is no hand.
    const QPoint dietro = verso(angoloMinuti + 180, 60);
    if (std::abs(std::fmod(angoloMinuti - angoloOre + 360, 360) - 180) > 20)
        QVERIFY(!rosso(s->superficie->pixelAt(dietro.x(), dietro.y()))
                && !blu(s->superficie->pixelAt(dietro.x(), dietro.y())));
    // The hour hand shows where the minute hand does not cover it.
    if (std::abs(angoloMinuti - angoloOre) > 20 && std::abs(angoloMinuti - angoloOre) < 340)
        QVERIFY(blu(s->superficie->pixelAt(verso(angoloOre, 50).x(), verso(angoloOre, 50).y())));
}

void TestSplash::ritornoAZeroDopoUnGiorno()
{
    FakePlatform::install();
    frmSplashClock* s = frmSplashClock::istanza();
    s->Form_Load();
    // Only the ticks below count: the window's own timer would add more on a slow machine.
    s->tmrClock->stop();
    // The load drew the first step; 191 more make 192 steps of 45 degrees, a full day.
    for (int i = 0; i < 190; ++i)
        s->tmrClock_Timer();
    QCOMPARE(s->t, short(8595));
    s->tmrClock_Timer();
    QCOMPARE(s->t, short(0));
    QCOMPARE(s->ore, 23.875f);
    s->tmrClock_Timer();
    QCOMPARE(s->ore, 0.0f);
    QCOMPARE(s->minuti, 0.0f);
    QCOMPARE(s->t, short(45));
}

void TestSplash::niente_fuoriDalCerchio()
{
    FakePlatform::install();
    frmSplashClock* s = frmSplashClock::istanza();
    s->Form_Load();
    const QRegion cerchio = s->mask();
    QVERIFY(!cerchio.isEmpty());
    for (const QPoint& p :
         {QPoint(0, 0), QPoint(399, 0), QPoint(0, 399), QPoint(399, 399), QPoint(40, 40), QPoint(360, 360)})
        QVERIFY2(!cerchio.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint& p : {QPoint(200, 200), QPoint(200, 2), QPoint(2, 200), QPoint(397, 200), QPoint(200, 397)})
        QVERIFY2(cerchio.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    // The whole drawing lies inside the circle: the window shows all of the face and nothing else.
    const QImage img = s->superficie->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double dpr = img.devicePixelRatio();
    int disegnati = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixel(x, y) == qRgb(0, 0, 0))
                continue;
            ++disegnati;
            const QPoint p(int(x / dpr), int(y / dpr));
            if (!cerchio.contains(p))
                QFAIL(qPrintable(QStringLiteral("drawn outside the circle at %1,%2").arg(p.x()).arg(p.y())));
        }
    }
    QVERIFY(disegnati > 100000);
}

void TestSplash::avvioAttendeCinqueSecondi_data()
{
    QTest::addColumn<double>("ora");
    QTest::newRow("mattina") << 10 * 3600.0;
    QTest::newRow("due secondi prima di mezzanotte") << 86398.0;
    QTest::newRow("un soffio prima di mezzanotte") << 86399.995;
}

void TestSplash::avvioAttendeCinqueSecondi()
{
    QFETCH(double, ora);

    FakePlatform fake = FakePlatform::install();
    fake.desktop->screen = QSize(1024, 768);
    fake.clock->seconds = ora;
    const QDate giorno = fake.clock->date;
    const double inizio = fake.clock->elapsed;

    double comparsa = -1;
    bool splashAncoraCaricato = true;
    Spia spia;
    spia.allaComparsa = [&] {
        if (comparsa < 0) {
            comparsa = fake.clock->elapsed - inizio;
            splashAncoraCaricato = frmSplashClock::caricato();
        }
    };
    frmClock::istanza()->installEventFilter(&spia);

    // The start returns with the splash on the screen; the splash stands while the
    // stand-in clock runs, ticking, and the main window is built behind it.
    QVERIFY(modTempolino::Main());
    QVERIFY(frmSplashClock::istanza()->isVisible());
    bool splashSempre = true, principaleNascosta = true;
    for (int i = 0; i < 499; ++i) {
        fake.clock->advance(0.01);
        splashSempre = splashSempre && frmSplashClock::caricato() && frmSplashClock::istanza()->isVisible();
        principaleNascosta = principaleNascosta && !frmClock::istanza()->isVisible();
    }
    QVERIFY(splashSempre);
    QVERIFY(principaleNascosta);
    // About eight ticks of the hands in five seconds, one every 600 ms.
    QCOMPARE(fake.sound->count(101), 8);
    fake.clock->advance(0.01);

    frmClock* w = frmClock::istanza();
    QVERIFY(w->isVisible());
    QVERIFY(!splashAncoraCaricato);
    QVERIFY(!frmSplashClock::caricato());
    // Five seconds of the clock that only runs forwards, to the millisecond.
    QVERIFY2(qAbs(comparsa - 5.0) < 0.001, qPrintable(QString::number(comparsa)));
    QVERIFY(w->stato()->inCorsa());
    if (ora > 86000)
        QCOMPARE(fake.clock->date, giorno.addDays(1));
    w->removeEventFilter(&spia);
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
