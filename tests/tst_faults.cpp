// SPDX-License-Identifier: GPL-3.0-or-later
// Faults from the system and from the calendar: the program goes on, tells the
// child what it must and loses nothing. Closing the program in the middle of a
// handler that lets events run, a help page that is missing, unreadable or
// installed apart from the program, no sound device, and midnight passing while
// an exercise or the map's animation runs.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "SystemPlatform.h"
#if TEMPOLINO_PULSE
#include "RealSoundPlayer.h"
#else
#include "QtSoundPlayer.h"
#endif
#include "TestWindow.h"
#include "frmAbout.h"
#include "frmClock.h"

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void closingWhileThePromptTypes();
    void helpPageBesideTheProgramOrInstalledApart();
    void helpPageUnreadableLeavesTheButtonDisabled();
    void noSoundDeviceIsSilent();
    void midnightDuringAnExercise();
    void midnightDuringTheMapAnimation();
};

void TestFaults::closingWhileThePromptTypes()
{
    TestWindow tw(QSize(1024, 768), 36000);
    tw.w->show();
    QTest::mouseClick(tw.c("cmdTest"), Qt::LeftButton);
    QVERIFY(!tw.c("picTest")->isHidden());
    QPointer<frmClock> finestra(tw.w);
    QTest::mouseClick(tw.c("optTest", 1), Qt::LeftButton, {}, QPoint(5, 5));
    tw.fake.clock->advance(0.035);
    QVERIFY(tw.c<QTimer>("tmrPremiOK")->isActive());
    // "Esci" while the prompt is typed: the window goes, and its typing with it.
    QTest::mouseClick(tw.c("cmdEsci"), Qt::LeftButton);
    flushDeletes();
    QVERIFY(finestra.isNull());
    QVERIFY(!frmClock::caricato());
    tw.fake.clock->advance(1);
}

void TestFaults::helpPageBesideTheProgramOrInstalledApart()
{
    FakePlatform fake = FakePlatform::install();
    QTemporaryDir prefisso;
    QVERIFY(QDir(prefisso.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(prefisso.path()).mkpath(QStringLiteral("share/tempolino")));
    fake.desktop->folder = prefisso.path() + QStringLiteral("/bin");

    {
        frmAbout senza;
        senza.Form_Load();
        QVERIFY(!senza.cmdGuida->isEnabled());
    }
    QFile installata(prefisso.path() + QStringLiteral("/share/tempolino/Tempolino.htm"));
    QVERIFY(installata.open(QIODevice::WriteOnly));
    installata.write("<!doctype html><title>Tempolino</title>");
    installata.close();
    {
        frmAbout conGuida;
        conGuida.Form_Load();
        QVERIFY(conGuida.cmdGuida->isEnabled());
        conGuida.cmdGuida_Click();
        QCOMPARE(fake.desktop->opened.size(), 1);
        QCOMPARE(fake.desktop->opened.first().toLocalFile(), QFileInfo(installata).absoluteFilePath());
    }
    // Beside the program it wins over the installed copy.
    QFile accanto(prefisso.path() + QStringLiteral("/bin/Tempolino.htm"));
    QVERIFY(accanto.open(QIODevice::WriteOnly));
    accanto.close();
    QCOMPARE(frmAbout::PercorsoGuida(), prefisso.path() + QStringLiteral("/bin/Tempolino.htm"));
}

void TestFaults::helpPageUnreadableLeavesTheButtonDisabled()
{
    FakePlatform fake = FakePlatform::install();
    QTemporaryDir cartella;
    fake.desktop->folder = cartella.path();
    // A folder where the page should be: it exists but cannot be read as a file.
    QVERIFY(QDir(cartella.path()).mkdir(QStringLiteral("Tempolino.htm")));
    frmAbout a;
    a.Form_Load();
    QVERIFY(!a.cmdGuida->isEnabled());
    QVERIFY(!a.cmdGuida->toolTip().isEmpty());
}

void TestFaults::noSoundDeviceIsSilent()
{
    // No sound server to reach (whatever this machine has): every sound, a missing
    // one and a quick succession of them return at once without a fault.
    qputenv("PULSE_SERVER", "unix:/nonexistent/tempolino-test/native");
#if TEMPOLINO_PULSE
    RealSoundPlayer player;
#else
    QtSoundPlayer player;
#endif
    QElapsedTimer t;
    t.start();
    for (int round = 0; round < 3; ++round)
        for (int id : {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 0, -5})
            player.play(id);
    QCoreApplication::processEvents();
    QVERIFY(t.elapsed() < 5000);
#if TEMPOLINO_PULSE
    // Only the newest sound counts; a real one asks for the server, which is not there.
    player.play(101);
    QTRY_VERIFY(player.conteggi().fallite >= 1);
    QCOMPARE(player.conteggi().suonati, 0);
#else
    QVERIFY(!player.hasOutput());
#endif
}

void TestFaults::midnightDuringAnExercise()
{
    TestWindow tw(QSize(1024, 768), 86399);
    tw.tickAt(86399);
    tw.c<QToolButton>("cmdTest")->click();
    QVERIFY(!tw.c<QTimer>("tmrClock")->isActive());
    tw.fake.clock->advance(65); // the computer's clock passes midnight
    tw.c<QPushButton>("cmdExitTest")->click();
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    tw.w->stato()->tmrClock_Timer();
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("0:01:04"));
    QCOMPARE(tw.c<QLabel>("lblMPSN")->text(), QStringLiteral("Notte"));
    QCOMPARE(tw.w->stato()->ultimiValori().ora, 0);
}

void TestFaults::midnightDuringTheMapAnimation()
{
    TestWindow tw(QSize(1024, 768), 86399.5);
    tw.tickAt(86399.5);
    // The animation's 24 steps of 60 ms carry the computer's clock past midnight; the
    // clock does not tick meanwhile.
    tw.c<QToolButton>("chkFusiOrari")->setChecked(true);
    tw.fake.clock->advance(1);
    QVERIFY(!tw.c<QTimer>("tmrClock")->isActive());
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("23:59:59"));
    tw.fake.clock->advance(0.44);
    QVERIFY(tw.fake.clock->seconds < 10);
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    tw.w->stato()->tmrClock_Timer();
    QCOMPARE(tw.w->stato()->ultimiValori().ora, 0);
    QVERIFY(tw.c<QLabel>("lblDigitalClock")->text().startsWith(QStringLiteral("0:00:0")));
    QVERIFY(!tw.c<PictureBox>("picfusi")->isHidden());
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
