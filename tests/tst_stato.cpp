// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's state on its own and as a second view meets it: the notices of a new
// time, minute and hour, the tick that follows the computer and stands still while a
// long action holds it, and the main window following whatever another view of the
// same clock changes (the mode, the numeral style, the 12/24 view, the hands).

#include <QSignalSpy>
#include <QtTest>

#include "PassoOra.h"
#include "StatoOrologio.h"
#include "TestWindow.h"

Q_DECLARE_METATYPE(std::function<void(StatoOrologio&)>)
Q_DECLARE_METATYPE(std::function<bool(TestWindow&)>)

namespace {

float hms(int h, int m, double s = 0)
{
    return static_cast<float>(h * 3600 + m * 60 + s);
}

// A second view of the clock: it hears every notice, in order.
struct Ascoltatore {
    QStringList sentiti;
    explicit Ascoltatore(StatoOrologio& stato)
    {
        QObject::connect(&stato, &StatoOrologio::tempoCambiato, &stato,
                         [this](float T) { sentiti << QStringLiteral("tempo %1").arg(T); });
        QObject::connect(&stato, &StatoOrologio::minutoCambiato, &stato,
                         [this](int m) { sentiti << QStringLiteral("minuto %1").arg(m); });
        QObject::connect(&stato, &StatoOrologio::oraCambiata, &stato,
                         [this](int h) { sentiti << QStringLiteral("ora %1").arg(h); });
    }
};

} // namespace

class TestStato : public QObject {
    Q_OBJECT
private slots:
    void noticesOfANewTime_data();
    void noticesOfANewTime();
    void eachChoiceNotifiesOncePerChange();
    void tickFollowsTheComputer_data();
    void tickFollowsTheComputer();
    void windowFollowsAnotherView_data();
    void windowFollowsAnotherView();
    void anotherViewDuringTheExercises();
};

void TestStato::noticesOfANewTime_data()
{
    QTest::addColumn<float>("prima");
    QTest::addColumn<float>("dopo");
    QTest::addColumn<QStringList>("sentiti");
    const auto s = [](const char* testo) { return QString::fromLatin1(testo); };
    QTest::newRow("the same minute") << hms(10, 30, 5) << hms(10, 30, 59.5) << QStringList{s("tempo 37859.5")};
    QTest::newRow("a new minute") << hms(10, 30, 59) << hms(10, 31) << QStringList{s("tempo 37860"), s("minuto 31")};
    QTest::newRow("a new hour, the same minute number")
        << hms(10, 31) << hms(11, 31) << QStringList{s("tempo 41460"), s("ora 11")};
    QTest::newRow("a new hour and minute")
        << hms(10, 59, 59) << hms(11, 0) << QStringList{s("tempo 39600"), s("minuto 0"), s("ora 11")};
    QTest::newRow("midnight shown as 24:00")
        << hms(23, 59, 59) << 86400.0f << QStringList{s("tempo 86400"), s("minuto 0"), s("ora 24")};
    QTest::newRow("shown again unchanged") << hms(8, 0) << hms(8, 0) << QStringList{s("tempo 28800")};
}

void TestStato::noticesOfANewTime()
{
    // Every time shown is told; the minute and the hour only when they are new, after
    // the time, and the fields have followed by then.
    QFETCH(float, prima);
    QFETCH(float, dopo);
    QFETCH(QStringList, sentiti);
    StatoOrologio stato([] { return 0.0; });
    stato.MostraOra(prima);
    Ascoltatore vista(stato);
    QVector<float> oreAlTempo;
    connect(&stato, &StatoOrologio::tempoCambiato, &stato, [&] { oreAlTempo << stato.OreCorrenti(); });
    stato.MostraOra(dopo);
    QCOMPARE(vista.sentiti, sentiti);
    QCOMPARE(oreAlTempo, QVector<float>{DerivaCampi(dopo).ore});
    QCOMPARE(stato.TempoCorrente(), dopo);
    QCOMPARE(stato.ultimiValori().ora, static_cast<int>(std::floor(dopo / 3600)));
}

void TestStato::eachChoiceNotifiesOncePerChange()
{
    StatoOrologio stato([] { return hms(10, 30, 40); });
    QSignalSpy modo(&stato, &StatoOrologio::modoCambiato);
    QSignalSpy regolazione(&stato, &StatoOrologio::regolazioneCambiata);
    QSignalSpy vista(&stato, &StatoOrologio::vistaCambiata);
    QSignalSpy stile(&stato, &StatoOrologio::stileCambiato);
    QSignalSpy suoni(&stato, &StatoOrologio::suoniCambiati);
    for (int volta = 0; volta < 2; ++volta) {
        stato.ImpostaModo(StatoOrologio::Modo::Manuale);
        stato.ImpostaRegolazioneAttiva(true);
        stato.ImpostaDodiciOre(true);
        stato.ImpostaStile(StatoOrologio::StileNumeri::Romani);
        stato.ImpostaSuoniAttivi(false);
    }
    for (QSignalSpy* s : {&modo, &regolazione, &vista, &stile, &suoni})
        QCOMPARE(s->count(), 1);
    // The starting choices are the program's at start: nothing to tell when set again.
    StatoOrologio nuovo([] { return 0.0; });
    QVERIFY(nuovo.modo() == StatoOrologio::Modo::TempoAttuale);
    QVERIFY(!nuovo.RegolazioneAttiva() && !nuovo.dodiciOre() && nuovo.SuoniAttivi());
    QVERIFY(nuovo.stile() == StatoOrologio::StileNumeri::Arabi);
}

void TestStato::tickFollowsTheComputer_data()
{
    QTest::addColumn<QString>("passi"); // what happens, one letter a step
    QTest::addColumn<int>("tic");       // ticks in the 2 s after the steps
    // A avvia, F ferma, S sospendi, R riprendi, M manuale, T tempo attuale.
    QTest::newRow("not started") << "" << 0;
    QTest::newRow("started") << "A" << 10;
    QTest::newRow("started and stopped") << "AF" << 0;
    QTest::newRow("held by a long action") << "AS" << 0;
    QTest::newRow("held and let go") << "ASR" << 10;
    QTest::newRow("held twice, let go once") << "ASSR" << 0;
    QTest::newRow("let go more often than held") << "ARRS" << 0;
    QTest::newRow("standing still") << "AM" << 0;
    QTest::newRow("standing still, then the computer's time") << "AMT" << 10;
    QTest::newRow("let go while standing still") << "AMSRT" << 10;
}

void TestStato::tickFollowsTheComputer()
{
    QFETCH(QString, passi);
    QFETCH(int, tic);
    FakePlatform fake = FakePlatform::install();
    fake.clock->seconds = hms(9, 15);
    StatoOrologio stato([&fake] { return fake.clock->secondsSinceMidnight(); });
    for (const QChar c : passi) {
        switch (c.toLatin1()) {
        case 'A':
            stato.Avvia();
            break;
        case 'F':
            stato.Ferma();
            break;
        case 'S':
            stato.Sospendi();
            break;
        case 'R':
            stato.Riprendi();
            break;
        case 'M':
            stato.ImpostaModo(StatoOrologio::Modo::Manuale);
            break;
        default:
            stato.ImpostaModo(StatoOrologio::Modo::TempoAttuale);
            break;
        }
    }
    QSignalSpy tempi(&stato, &StatoOrologio::tempoCambiato);
    fake.clock->advance(2);
    QCOMPARE(tempi.count(), tic);
    QCOMPARE(stato.inCorsa(), tic > 0);
    // Each tick shows the computer's time at that moment, 200 ms apart.
    for (int i = 0; i < tempi.count(); ++i)
        QCOMPARE(tempi.at(i).at(0).toFloat(), hms(9, 15, 0.2 * (i + 1)));
}

void TestStato::windowFollowsAnotherView_data()
{
    using Cambio = std::function<void(StatoOrologio&)>;
    using Verifica = std::function<bool(TestWindow&)>;
    QTest::addColumn<Cambio>("cambio");
    QTest::addColumn<Verifica>("verifica");

    QTest::newRow("the clock stands still: manual mode, the buttons out")
        << Cambio([](StatoOrologio& s) { s.ImpostaModo(StatoOrologio::Modo::Manuale); })
        << Verifica([](TestWindow& tw) {
               return tw.c<OptionGroup>("grpCtrTime")->isSelected(0) && tw.c("cmdTime", OreAvanti)->isEnabled()
                   && !tw.c<QTimer>("tmrClock")->isActive()
                   && tw.c<QLabel>("lblDigitalClock")->text() == QStringLiteral("10:31:00");
           });
    QTest::newRow("a step of the hands") << Cambio([](StatoOrologio& s) {
        s.ImpostaModo(StatoOrologio::Modo::Manuale);
        s.RegolaOra(OreAvanti);
    }) << Verifica([](TestWindow& tw) {
        return tw.c<QLabel>("lblDigitalClock")->text() == QStringLiteral("11:31:00")
            && tw.c<Scena>("picWindows")->paesaggiDisegnati() == 2;
    });
    QTest::newRow("Roman numerals") << Cambio([](StatoOrologio& s) {
        s.ImpostaStile(StatoOrologio::StileNumeri::Romani);
    }) << Verifica([](TestWindow& tw) {
        auto* p1 = tw.c<QuadranteOrologio>("p1");
        return tw.c<OptionGroup>("grpStyleNum")->isSelected(2) && p1->stile() == QuadranteOrologio::Stile::Romani
            && p1->quadrantiDisegnati() == 2;
    });
    QTest::newRow("the 12-hour view") << Cambio([](StatoOrologio& s) {
        s.ImpostaDodiciOre(true);
        s.MostraOra(hms(15, 5));
    }) << Verifica([](TestWindow& tw) {
        return tw.c<OptionGroup>("grp12_24")->isSelected(0)
            && tw.c<QLabel>("lblDigitalClock")->text() == QStringLiteral("3:05:00");
    });
}

void TestStato::windowFollowsAnotherView()
{
    // Another view (the class clock) changes the clock: the main window shows the change
    // as if the child had made it there, without the sounds of its buttons.
    using Cambio = std::function<void(StatoOrologio&)>;
    using Verifica = std::function<bool(TestWindow&)>;
    QFETCH(Cambio, cambio);
    QFETCH(Verifica, verifica);
    TestWindow tw(QSize(1024, 768), hms(10, 30, 40));
    tw.tickAt(hms(10, 30, 40));
    const int rumori = static_cast<int>(tw.fake.sound->played.count(106) + tw.fake.sound->played.count(104));
    cambio(*tw.stato());
    QVERIFY(verifica(tw));
    QCOMPARE(tw.fake.sound->played.count(106) + tw.fake.sound->played.count(104), rumori);
}

void TestStato::anotherViewDuringTheExercises()
{
    // During the exercises the mode buttons stay unselected and locked, and the
    // adjustment buttons follow the question, whatever another view does to the mode.
    TestWindow tw(QSize(1024, 768), hms(10, 0));
    tw.c<QToolButton>("cmdTest")->click();
    QVERIFY(tw.stato()->modo() == StatoOrologio::Modo::Manuale);
    tw.stato()->ImpostaModo(StatoOrologio::Modo::TempoAttuale);
    tw.stato()->ImpostaModo(StatoOrologio::Modo::Manuale);
    QCOMPARE(tw.c<OptionGroup>("grpCtrTime")->selected(), -1);
    QVERIFY(!tw.c("optCtrTime", 0)->isEnabled() && !tw.c("optCtrTime", 1)->isEnabled());
    QVERIFY(!tw.c("cmdTime", OreAvanti)->isEnabled());
    // Back outside the clock follows the computer again.
    tw.c<QPushButton>("cmdExitTest")->click();
    QVERIFY(tw.stato()->modo() == StatoOrologio::Modo::TempoAttuale);
    QVERIFY(tw.c<OptionGroup>("grpCtrTime")->isSelected(1));
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
}

QTEST_MAIN(TestStato)
#include "tst_stato.moc"
