// Sound effects: the sound button, which sounds the clock's controls play and
// only while the sounds are on, and the real player (one effect at a time, and
// silent, never stuck, when the sound cannot be played).

#include <QSoundEffect>
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
    void init() { modTempolino::SuoniAttivi = true; }

    void soundButton_data();
    void soundButton();
    void callersFollowTheSwitch_data();
    void callersFollowTheSwitch();
    void usableButtonsSound103OncePerChange();
    void realPlayerOneAtATime();
    void realPlayerUnknownSoundIsSilent();
    void realPlayerLeavesNothingBehind();
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
    frmClock* w = tw.w;
    modTempolino::SuoniAttivi = prima;
    const qint64 iconaPrima = w->chkSuono->icon().cacheKey();
    tw.fake.sound->played.clear();
    QTest::mouseClick(w->chkSuono, Qt::LeftButton);
    // The click is heard whichever way the switch goes, and before it goes.
    QCOMPARE(tw.fake.sound->played, QVector<int>{106});
    QCOMPARE(modTempolino::SuoniAttivi, !prima);
    QVERIFY(w->chkSuono->icon().cacheKey() != iconaPrima);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->p1));
    QTest::mouseClick(w->chkSuono, Qt::LeftButton);
    QCOMPARE(tw.fake.sound->played, (QVector<int>{106, 106}));
    QCOMPARE(modTempolino::SuoniAttivi, prima);
}

void TestSounds::callersFollowTheSwitch_data()
{
    QTest::addColumn<Azione>("azione");
    QTest::addColumn<QVector<int>>("suoni");

    QTest::newRow("manual mode chosen: the buttons become usable")
        << Azione([](TestWindow& tw) { tw.w->grpCtrTime->select(0); }) << QVector<int>{103};
    QTest::newRow("back to the current time")
        << Azione([](TestWindow& tw) {
               tw.w->grpCtrTime->select(0);
               tw.fake.sound->played.clear();
               tw.w->grpCtrTime->select(1);
           })
        << QVector<int>{106};
    QTest::newRow("one step of an adjustment button")
        << Azione([](TestWindow& tw) {
               tw.w->grpCtrTime->select(0);
               tw.fake.sound->played.clear();
               rilasciaSubito(tw);
               tw.w->cmdTime_MouseDown(2);
           })
        << QVector<int>{105};
    QTest::newRow("map opens") << Azione([](TestWindow& tw) { tw.w->chkFusiOrari->setChecked(true); })
                               << QVector<int>(24, 105);
    QTest::newRow("map closes")
        << Azione([](TestWindow& tw) {
               tw.w->chkFusiOrari->setChecked(true);
               tw.fake.sound->played.clear();
               tw.w->chkFusiOrari->setChecked(false);
           })
        << QVector<int>{106};
    QTest::newRow("12/24-hour view") << Azione([](TestWindow& tw) { tw.w->grp12_24->select(0); })
                                     << QVector<int>{104};
    QTest::newRow("numeral style") << Azione([](TestWindow& tw) { tw.w->grpStyleNum->select(2); })
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
    frmClock* w = tw.w;
    tw.fake.sound->played.clear();
    w->grpCtrTime->select(0);
    w->MostraCmdTime(true);  // the exercises ask again: already usable
    QCOMPARE(tw.fake.sound->count(103), 1);
    w->grpCtrTime->select(1);
    w->grpCtrTime->select(0);
    QCOMPARE(tw.fake.sound->count(103), 2);
}

void TestSounds::realPlayerOneAtATime()
{
    RealSoundPlayer player;
    player.play(102);  // the longest sound, nearly three seconds
    player.play(105);
    QSoundEffect* lungo = player.effect(102);
    QSoundEffect* breve = player.effect(105);
    QVERIFY(lungo && breve);
    QVERIFY(lungo->source().toString().endsWith(QLatin1String("102.wav")));
    // Decoding happens in the background; once it is done only the last sound plays,
    // with a sound card or without one.
    QTRY_VERIFY(breve->status() != QSoundEffect::Loading);
    QTRY_VERIFY(lungo->status() != QSoundEffect::Loading);
    QVERIFY(!lungo->isPlaying());
}

void TestSounds::realPlayerUnknownSoundIsSilent()
{
    RealSoundPlayer player;
    player.play(100);
    player.play(110);
    QVERIFY(!player.effect(100));
    QVERIFY(!player.effect(110));
}

void TestSounds::realPlayerLeavesNothingBehind()
{
    QPointer<QSoundEffect> uno;
    {
        RealSoundPlayer player;
        for (int id = 101; id <= 109; ++id)
            player.play(id);
        player.play(105);
        uno = player.effect(101);
        QVERIFY(uno);
    }
    QVERIFY(uno.isNull());
}

QTEST_MAIN(TestSounds)
#include "tst_sounds.moc"
