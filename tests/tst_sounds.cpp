// SPDX-License-Identifier: GPL-3.0-or-later
// Sound effects: the sound button, which sounds the clock's controls play and
// only while the sounds are on, and what the real player makes of every sound
// for an output, and the real player facing servers that are missing, hang or
// hang up. Playing through a sound server is tested by the process-level tests
// (tests/process/sound.sh, sound_stalls.sh).

#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#if TEMPOLINO_PULSE
#include "RealSoundPlayer.h"
#endif
#include "TestWindow.h"
#include "WavPcm.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

using Azione = std::function<void(TestWindow&)>;

} // namespace

Q_DECLARE_METATYPE(Azione)

class TestSounds : public QObject {
    Q_OBJECT
private slots:
    // No sound server, whatever the machine has: the real player stays silent.
    void initTestCase() { qputenv("PULSE_SERVER", "unix:/nonexistent/tempolino-test/native"); }

    void soundButton_data();
    void soundButton();
    void switchShownWhoeverTurnsIt_data();
    void switchShownWhoeverTurnsIt();
    void callersFollowTheSwitch_data();
    void callersFollowTheSwitch();
    void usableButtonsSound103OncePerChange();
    void realPlayerPreparesEverySound_data();
    void realPlayerPreparesEverySound();
#if TEMPOLINO_PULSE
    void realPlayerFacingABrokenServer_data();
    void realPlayerFacingABrokenServer();
#endif
};

void TestSounds::soundButton_data()
{
    QTest::addColumn<bool>("prima");
    QTest::newRow("switching off") << true;
    QTest::newRow("switching on") << false;
}

void TestSounds::soundButton()
{
    QFETCH(bool, prima);
    TestWindow tw(QSize(1024, 768), 36000);
    auto* chkSuono = tw.c<QToolButton>("chkSuono");
    tw.stato()->ImpostaSuoniAttivi(prima);
    const qint64 iconaPrima = chkSuono->icon().cacheKey();
    tw.fake.sound->played.clear();
    QTest::mouseClick(chkSuono, Qt::LeftButton);
    // The click is heard whichever way the switch goes, and before it goes.
    QCOMPARE(tw.fake.sound->played, QVector<int>{106});
    QCOMPARE(tw.stato()->SuoniAttivi(), !prima);
    QCOMPARE(modTempolino::SuoniAttivi(), !prima);
    QCOMPARE(chkSuono->isChecked(), !prima);
    QVERIFY(chkSuono->icon().cacheKey() != iconaPrima);
    QCOMPARE(tw.w->focusWidget(), tw.c("p1"));
    QTest::mouseClick(chkSuono, Qt::LeftButton);
    QCOMPARE(tw.fake.sound->played, (QVector<int>{106, 106}));
    QCOMPARE(tw.stato()->SuoniAttivi(), prima);
    QCOMPARE(chkSuono->isChecked(), prima);
}

void TestSounds::switchShownWhoeverTurnsIt_data()
{
    QTest::addColumn<bool>("dalPulsante"); // the child's click, or another view of the clock
    QTest::newRow("the switch's button") << true;
    QTest::newRow("another view of the clock") << false;
}

void TestSounds::switchShownWhoeverTurnsIt()
{
    // The button and the switch never disagree, and switched off the voice stops,
    // whoever turned the switch.
    QFETCH(bool, dalPulsante);
    TestWindow tw(QSize(1024, 768), 36000);
    auto* chkSuono = tw.c<QToolButton>("chkSuono");
    const QImage acceso = chkSuono->icon().pixmap(32, 32).toImage();
    for (const bool attivi : {false, true, false}) {
        const int fermate = tw.fake.speech->stops;
        if (dalPulsante)
            QTest::mouseClick(chkSuono, Qt::LeftButton);
        else
            tw.stato()->ImpostaSuoniAttivi(attivi);
        QCOMPARE(tw.stato()->SuoniAttivi(), attivi);
        QCOMPARE(chkSuono->isChecked(), attivi);
        QCOMPARE(chkSuono->icon().pixmap(32, 32).toImage() == acceso, attivi);
        QCOMPARE(tw.fake.speech->stops - fermate, attivi ? 0 : 1);
    }
    // Only the button's own click is heard.
    QCOMPARE(tw.fake.sound->count(106), dalPulsante ? 3 : 0);
}

void TestSounds::callersFollowTheSwitch_data()
{
    QTest::addColumn<Azione>("azione");
    QTest::addColumn<QVector<int>>("suoni");

    QTest::newRow("manual mode chosen: the buttons become usable")
        << Azione([](TestWindow& tw) { tw.c<OptionGroup>("grpCtrTime")->select(0); }) << QVector<int>{103};
    QTest::newRow("back to the current time") << Azione([](TestWindow& tw) {
        tw.c<OptionGroup>("grpCtrTime")->select(0);
        tw.fake.sound->played.clear();
        tw.c<OptionGroup>("grpCtrTime")->select(1);
    }) << QVector<int>{106};
    QTest::newRow("one step of an adjustment button") << Azione([](TestWindow& tw) {
        tw.c<OptionGroup>("grpCtrTime")->select(0);
        tw.fake.sound->played.clear();
        QTest::mouseClick(tw.c("cmdTime", 2), Qt::LeftButton);
    }) << QVector<int>{105};
    QTest::newRow("map opens") << Azione([](TestWindow& tw) { tw.openMap(); }) << QVector<int>(24, 105);
    QTest::newRow("map closes") << Azione([](TestWindow& tw) {
        tw.openMap();
        tw.fake.sound->played.clear();
        tw.c<QToolButton>("chkFusiOrari")->setChecked(false);
    }) << QVector<int>{106};
    QTest::newRow("12/24-hour view") << Azione([](TestWindow& tw) { tw.c<OptionGroup>("grp12_24")->select(0); })
                                     << QVector<int>{104};
    QTest::newRow("numeral style") << Azione([](TestWindow& tw) { tw.c<OptionGroup>("grpStyleNum")->select(2); })
                                   << QVector<int>{106};
}

void TestSounds::callersFollowTheSwitch()
{
    QFETCH(Azione, azione);
    QFETCH(QVector<int>, suoni);
    for (const bool acceso : {true, false}) {
        TestWindow tw(QSize(1024, 768), 36000);
        tw.stato()->ImpostaSuoniAttivi(acceso);
        tw.fake.sound->played.clear();
        azione(tw);
        QCOMPARE(tw.fake.sound->played, acceso ? suoni : QVector<int>{});
    }
}

void TestSounds::usableButtonsSound103OncePerChange()
{
    TestWindow tw(QSize(1024, 768), 36000);
    auto* grpCtrTime = tw.c<OptionGroup>("grpCtrTime");
    tw.fake.sound->played.clear();
    grpCtrTime->select(0);
    tw.w->stato()->ImpostaRegolazioneAttiva(true); // the exercises ask again: already usable
    QCOMPARE(tw.fake.sound->count(103), 1);
    grpCtrTime->select(1);
    grpCtrTime->select(0);
    QCOMPARE(tw.fake.sound->count(103), 2);
}

void TestSounds::realPlayerPreparesEverySound_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QAudioFormat>("format");
    // Every sound at its own length, for two usual outputs; unknown numbers give nothing.
    const std::pair<int, double> suoni[] = {{101, 0.50}, {102, 2.88}, {103, 0.07}, {104, 0.06},
                                            {105, 0.03}, {106, 0.04}, {107, 0.19}, {108, 0.62},
                                            {109, 0.86}, {100, 0.0},  {110, 0.0},  {0, 0.0}};
    QAudioFormat mono16;
    mono16.setSampleRate(44100);
    mono16.setChannelCount(1);
    mono16.setSampleFormat(QAudioFormat::Int16);
    QAudioFormat stereoFloat;
    stereoFloat.setSampleRate(48000);
    stereoFloat.setChannelCount(2);
    stereoFloat.setSampleFormat(QAudioFormat::Float);
    for (const auto& [id, secondi] : suoni) {
        QTest::addRow("%d, 44100 Hz 16-bit mono", id) << id << secondi << mono16;
        QTest::addRow("%d, 48000 Hz float stereo", id) << id << secondi << stereoFloat;
    }
}

void TestSounds::realPlayerPreparesEverySound()
{
    QFETCH(int, id);
    QFETCH(double, seconds);
    QFETCH(QAudioFormat, format);
    const QByteArray dati = WavPcm::samplesOfSound(id, format);
    if (seconds == 0.0) {
        QVERIFY(dati.isEmpty());
        return;
    }
    QCOMPARE(dati.size() % format.bytesPerFrame(), 0);
    const double durata = static_cast<double>(dati.size() / format.bytesPerFrame()) / format.sampleRate();
    QVERIFY2(std::abs(durata - seconds) < 0.005, qPrintable(QString::number(durata)));
    // Heard at its own level: neither silent nor clipped, the same in both channels.
    double picco = 0;
    bool canaliUguali = true;
    for (qsizetype f = 0; f < dati.size() / format.bytesPerFrame(); ++f) {
        const char* frame = dati.constData() + f * format.bytesPerFrame();
        const float primo = format.normalizedSampleValue(frame);
        for (int c = 1; c < format.channelCount(); ++c)
            canaliUguali = canaliUguali && format.normalizedSampleValue(frame + c * format.bytesPerSample()) == primo;
        picco = std::max(picco, std::abs(static_cast<double>(primo)));
    }
    QVERIFY2(picco > 0.1 && picco < 0.999, qPrintable(QString::number(picco)));
    QVERIFY(canaliUguali);
}

#if TEMPOLINO_PULSE

namespace {

// A socket that takes connections and never says a word: a sound server stopped
// while it runs, as the kernel completes the connections it does not accept.
class ServerMuto {
public:
    explicit ServerMuto(const QString& percorso) : m_fd(socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        const QByteArray p = QFile::encodeName(percorso);
        qstrncpy(a.sun_path, p.constData(), sizeof a.sun_path);
        m_ok = m_fd >= 0 && bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && listen(m_fd, 64) == 0;
    }
    ~ServerMuto()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    ServerMuto(const ServerMuto&) = delete;
    ServerMuto& operator=(const ServerMuto&) = delete;
    bool ok() const { return m_ok; }

private:
    int m_fd;
    bool m_ok = false;
};

} // namespace

void TestSounds::realPlayerFacingABrokenServer_data()
{
    QTest::addColumn<QString>("server");
    QTest::newRow("no server") << QStringLiteral("assente");
    QTest::newRow("a server that never answers") << QStringLiteral("muto");
    QTest::newRow("a server that hangs up at once") << QStringLiteral("riaggancia");
}

void TestSounds::realPlayerFacingABrokenServer()
{
    // Whatever the server does, play() only leaves the sound for the sound thread; the
    // connection is given up (at its time limit when nothing answers), nothing is played
    // late, and the next sound asks the server again instead of giving up for good.
    QFETCH(QString, server);
    QTemporaryDir cartella;
    const QString presa = cartella.filePath(QStringLiteral("native"));
    std::unique_ptr<ServerMuto> muto;
    QLocalServer riaggancia;
    if (server == QLatin1String("muto")) {
        muto = std::make_unique<ServerMuto>(presa);
        QVERIFY(muto->ok());
    } else if (server == QLatin1String("riaggancia")) {
        QVERIFY(riaggancia.listen(presa));
        connect(&riaggancia, &QLocalServer::newConnection, &riaggancia, [&riaggancia] {
            while (QLocalSocket* s = riaggancia.nextPendingConnection())
                s->abort();
        });
    }
    qputenv("PULSE_SERVER", QByteArray("unix:") + QFile::encodeName(presa));
    {
        RealSoundPlayer player(LimitiSuono{400, 150, 150});
        player.play(101);
        QTRY_COMPARE(player.conteggi().scartati, 1);
        QCOMPARE(player.conteggi().fallite, 1);
        // Asked again at the next sound, and given up again.
        player.play(106);
        QTRY_COMPARE(player.conteggi().scartati, 2);
        QCOMPARE(player.conteggi().fallite, 2);
        QCOMPARE(player.conteggi().connessioni, 0);
        QCOMPARE(player.conteggi().suonati, 0);
        // A sound not in the program asks nothing of the server.
        player.play(100);
        QTRY_COMPARE(player.conteggi().scartati, 3);
        QCOMPARE(player.conteggi().fallite, 2);
        // Destroyed while a connection hangs: the test would time out if it waited for it.
        player.play(101);
    }
    qputenv("PULSE_SERVER", "unix:/nonexistent/tempolino-test/native");
}

#endif

QTEST_MAIN(TestSounds)
#include "tst_sounds.moc"
