// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown: the size factor, the screen-size message, a second copy,
// the five-second splash counted in elapsed time, the per-user lock.

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "SystemPlatform.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "frmSplashClock.h"
#include "modTempolino.h"

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void scaleFollowsScreen_data();
    void scaleFollowsScreen();
    void smallScreenGetsTheMessageAndNoWindow_data();
    void smallScreenGetsTheMessageAndNoWindow();
    void secondCopyEndsSilently();
    void splashWaitsFiveSecondsOfElapsedTime_data();
    void splashWaitsFiveSecondsOfElapsedTime();
    void closedDuringTheSplash_data();
    void closedDuringTheSplash();
    void windowStartsRunningOnTheComputerTime();
    void closingTheWindowUnloadsEverything();
    void lockIsPerUserAndStaleLocksDoNotBlock();
    void lockNeverGoesThroughWhatIsNotAPlainFile_data();
    void lockNeverGoesThroughWhatIsNotAPlainFile();
};

void TestStartup::scaleFollowsScreen_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<float>("scala");
    QTest::newRow("800x600") << QSize(800, 600) << 1.0f;
    QTest::newRow("1024x768") << QSize(1024, 768) << 1.3f;
    QTest::newRow("1280x600") << QSize(1280, 600) << 1.0f;
    QTest::newRow("1023x1024") << QSize(1023, 1024) << 1.0f;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 1.3f;
}

void TestStartup::scaleFollowsScreen()
{
    QFETCH(QSize, schermo);
    QFETCH(float, scala);
    TestWindow tw(schermo);
    QVERIFY(tw.w);
    QCOMPARE(modTempolino::Scala, scala);
    QVERIFY(tw.fake.dialogs->boxes.isEmpty());
    QVERIFY(tw.w->isVisible());
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
}

void TestStartup::smallScreenGetsTheMessageAndNoWindow_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::newRow("799x600") << QSize(799, 600);
    QTest::newRow("800x599") << QSize(800, 599);
    QTest::newRow("640x480") << QSize(640, 480);
}

void TestStartup::smallScreenGetsTheMessageAndNoWindow()
{
    QFETCH(QSize, schermo);
    TestWindow tw(schermo);
    QVERIFY(!tw.w);
    QVERIFY(!frmClock::caricato());
    QVERIFY(!frmSplashClock::caricato());
    QCOMPARE(tw.fake.dialogs->boxes.size(), 1);
    const FakeDialogs::Box& b = tw.fake.dialogs->boxes.first();
    QCOMPARE(b.title, QStringLiteral("Tempolino"));
    QVERIFY(b.icon == Dialogs::Icon::Stop);
    QVERIFY(b.buttons == Dialogs::Buttons::Ok);
    QCOMPARE(b.text,
             QStringLiteral("Per visualizzare correttamente il gioco\r\n"
                            "occorre impostare una risoluzione video\r\n"
                            "non inferiore a 800x600.\r\n"
                            "Modificare la risoluzione video e, quindi, riprovare."));
}

void TestStartup::secondCopyEndsSilently()
{
    FakePlatform fake = FakePlatform::install();
    fake.instance->otherRunning = true;
    QVERIFY(!modTempolino::Main());
    QVERIFY(!frmClock::caricato());
    QVERIFY(!frmSplashClock::caricato());
    QVERIFY(fake.dialogs->boxes.isEmpty());
}

void TestStartup::splashWaitsFiveSecondsOfElapsedTime_data()
{
    QTest::addColumn<double>("inizio");
    // The computer's clock is set by this many seconds during the splash.
    QTest::addColumn<double>("salto");
    QTest::newRow("morning") << 36000.0 << 0.0;
    QTest::newRow("three seconds before midnight") << 86397.0 << 0.0;
    QTest::newRow("just before midnight") << 86399.99 << 0.0;
    QTest::newRow("clock set forward 4 s") << 36000.0 << 4.0;
    QTest::newRow("clock set back an hour") << 36000.0 << -3600.0;
    QTest::newRow("clock set forward a day") << 36000.0 << 86000.0;
}

void TestStartup::splashWaitsFiveSecondsOfElapsedTime()
{
    QFETCH(double, inizio);
    QFETCH(double, salto);
    FakePlatform fake = FakePlatform::install();
    fake.clock->seconds = inizio;
    QVERIFY(modTempolino::Main());
    fake.clock->advance(0.5);
    fake.clock->seconds = std::fmod(fake.clock->seconds + salto + 86400.0, 86400.0);
    bool splashDuranteAttesa = true;
    bool finestraNascosta = true;
    for (int i = 0; i < 449; ++i) {
        fake.clock->advance(0.01);
        splashDuranteAttesa = splashDuranteAttesa && frmSplashClock::caricato();
        finestraNascosta = finestraNascosta && !(frmClock::caricato() && frmClock::istanza()->isVisible());
    }
    QVERIFY(splashDuranteAttesa);
    QVERIFY(finestraNascosta);
    fake.clock->advance(0.01);
    QVERIFY(!frmSplashClock::caricato());
    QVERIFY(frmClock::istanza()->isVisible());
    frmClock::istanza()->close();
    flushDeletes();
}

void TestStartup::closedDuringTheSplash_data()
{
    QTest::addColumn<bool>("splash"); // the splash closed, or the main window still hidden
    QTest::addColumn<double>("dopo");
    QTest::newRow("the splash closed at once") << true << 0.0;
    QTest::newRow("the splash closed after two seconds") << true << 2.0;
    QTest::newRow("the hidden main window closed") << false << 3.0;
}

void TestStartup::closedDuringTheSplash()
{
    // The desktop closes the program before its main window has come: it ends there,
    // and nothing is shown, ticks or sounds afterwards.
    QFETCH(bool, splash);
    QFETCH(double, dopo);
    FakePlatform fake = FakePlatform::install();
    QVERIFY(modTempolino::Main());
    fake.clock->advance(dopo);
    QVERIFY(frmSplashClock::caricato());
    if (splash)
        frmSplashClock::istanza()->close();
    else
        frmClock::istanza()->close();
    fake.clock->advance(0.01);
    flushDeletes();
    QVERIFY(!frmSplashClock::caricato());
    QVERIFY(!frmClock::caricato());
    const int suoni = static_cast<int>(fake.sound->played.size());
    fake.clock->advance(10);
    QVERIFY(!frmClock::caricato());
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QCOMPARE(fake.sound->played.size(), suoni);
}

void TestStartup::windowStartsRunningOnTheComputerTime()
{
    TestWindow tw(QSize(1024, 768), 55800);
    tw.tickAt(55800);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("15:30:00"));
    QCOMPARE(tw.c<QLabel>("lblMPSN")->text(), QStringLiteral("Pomeriggio"));
    QVERIFY(tw.c<OptionGroup>("grpCtrTime")->isSelected(1));
    QVERIFY(tw.c<OptionGroup>("grpStyleNum")->isSelected(1));
    QVERIFY(tw.c<OptionGroup>("grp12_24")->isSelected(1));
    QVERIFY(tw.stato()->SuoniAttivi());
    QVERIFY(tw.stato()->modo() == StatoOrologio::Modo::TempoAttuale);
}

void TestStartup::closingTheWindowUnloadsEverything()
{
    TestWindow tw;
    QVERIFY(tw.w);
    auto* altra = new QWidget;
    altra->setAttribute(Qt::WA_DeleteOnClose);
    altra->show();
    QPointer<QWidget> guardia(altra);
    tw.w->close(); // the close box behaves like "Esci"
    flushDeletes();
    QVERIFY(!frmClock::caricato());
    QVERIFY(guardia.isNull());
    QVERIFY(modTempolino::Messaggi[0].isEmpty());
}

void TestStartup::lockIsPerUserAndStaleLocksDoNotBlock()
{
    QTemporaryDir dir;
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    const QString path = RealInstanceGuard::lockPath();
    QVERIFY(path.startsWith(dir.path()));

    {
        RealInstanceGuard primo;
        QVERIFY(primo.claim());
        RealInstanceGuard secondo;
        QVERIFY(!secondo.claim());
    }
    // A lock left by a crashed run names a process that is gone.
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("999999\ntempolino\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    f.close();
    RealInstanceGuard dopoCrash;
    QVERIFY(dopoCrash.claim());
}

void TestStartup::lockNeverGoesThroughWhatIsNotAPlainFile_data()
{
    QTest::addColumn<QString>("cosa");
    QTest::newRow("a dangling link") << QStringLiteral("link nel vuoto");
    QTest::newRow("a folder") << QStringLiteral("cartella");
    QTest::newRow("a link to someone else's file") << QStringLiteral("link a un file");
    QTest::newRow("a plain file that is not a lock") << QStringLiteral("file qualunque");
}

void TestStartup::lockNeverGoesThroughWhatIsNotAPlainFile()
{
    QFETCH(QString, cosa);
    QTemporaryDir dir, altrove;
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    const QString path = RealInstanceGuard::lockPath();
    const QString bersaglio = altrove.filePath(QStringLiteral("importante.txt"));
    const QByteArray contenuto = "non toccare\n";
    {
        QFile f(bersaglio);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }
    if (cosa == QLatin1String("link nel vuoto")) {
        QVERIFY(QFile::link(altrove.filePath(QStringLiteral("non-esiste")), path));
    } else if (cosa == QLatin1String("cartella")) {
        QVERIFY(QDir().mkdir(path));
        QFile dentro(path + QStringLiteral("/dentro"));
        QVERIFY(dentro.open(QIODevice::WriteOnly));
    } else if (cosa == QLatin1String("link a un file")) {
        QVERIFY(QFile::link(bersaglio, path));
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("qualcosa che non è un lucchetto");
    }

    {
        // The program starts, and a second copy still finds the first one running.
        RealInstanceGuard primo;
        QVERIFY(primo.claim());
        RealInstanceGuard secondo;
        QVERIFY(!secondo.claim());
        primo.release();
        RealInstanceGuard terzo;
        QVERIFY(terzo.claim());
    }
    // Nothing was written through a link, and no folder was removed.
    QFile f(bersaglio);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), contenuto);
    if (cosa == QLatin1String("cartella"))
        QVERIFY(QFileInfo::exists(path + QStringLiteral("/dentro")));
    if (cosa.startsWith(QLatin1String("link")))
        QVERIFY(QFileInfo(path).isSymLink());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
