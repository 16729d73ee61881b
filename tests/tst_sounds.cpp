// Sound effects: the sound button, which sounds the clock's controls play and
// only while the sounds are on, and what the real player makes of every sound
// for an output. Playing through a sound server is tested by the process-level
// test (tests/process/sound.sh); here there is none.

#include <QtTest>
#include <functional>

#include "RealSoundPlayer.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "modTempolino.h"

namespace {

using Azione = std::function<void(TestWindow&)>;

void rilasciaSubito(TestWindow& tw)
{
    frmClock* w = tw.w;
    tw.fake.events->onPause = [w] {
        for (int i = 0; i < 4; ++i)
            w->cmdTime_MouseUp(i);
    };
}

} // namespace

Q_DECLARE_METATYPE(Azione)

class TestSounds : public QObject {
    Q_OBJECT
private slots:
    // No sound server, whatever the machine has: the real player stays silent.
    void initTestCase() { qputenv("PULSE_SERVER", "unix:/nonexistent/tempolino-test/native"); }
    void init() { modTempolino::SuoniAttivi = true; }

    void soundButton_data();
    void soundButton();
    void callersFollowTheSwitch_data();
    void callersFollowTheSwitch();
    void usableButtonsSound103OncePerChange();
    void realPlayerPreparesEverySound_data();
    void realPlayerPreparesEverySound();
    void realPlayerWithoutServerOpensNothing();
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
    modTempolino::SuoniAttivi = prima;
    const qint64 iconaPrima = chkSuono->icon().cacheKey();
    tw.fake.sound->played.clear();
    QTest::mouseClick(chkSuono, Qt::LeftButton);
    // The click is heard whichever way the switch goes, and before it goes.
    QCOMPARE(tw.fake.sound->played, QVector<int>{106});
    QCOMPARE(modTempolino::SuoniAttivi, !prima);
    QVERIFY(chkSuono->icon().cacheKey() != iconaPrima);
    QCOMPARE(tw.w->focusWidget(), tw.c("p1"));
    QTest::mouseClick(chkSuono, Qt::LeftButton);
    QCOMPARE(tw.fake.sound->played, (QVector<int>{106, 106}));
    QCOMPARE(modTempolino::SuoniAttivi, prima);
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
        rilasciaSubito(tw);
        tw.w->cmdTime_MouseDown(2);
    }) << QVector<int>{105};
    QTest::newRow("map opens") << Azione([](TestWindow& tw) { tw.c<QToolButton>("chkFusiOrari")->setChecked(true); })
                               << QVector<int>(24, 105);
    QTest::newRow("map closes") << Azione([](TestWindow& tw) {
        tw.c<QToolButton>("chkFusiOrari")->setChecked(true);
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
        modTempolino::SuoniAttivi = acceso;
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
    tw.w->MostraCmdTime(true); // the exercises ask again: already usable
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
    const QByteArray dati = RealSoundPlayer::samplesFor(id, format);
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

void TestSounds::realPlayerWithoutServerOpensNothing()
{
    RealSoundPlayer player;
    for (int id : {101, 106, 102, 100})
        player.play(id);
    QVERIFY(!player.hasOutput());
    QVERIFY(!player.isPaused());
    QCOMPARE(player.preparedSounds(), 0);
}

QTEST_MAIN(TestSounds)
#include "tst_sounds.moc"
