// SPDX-License-Identifier: GPL-3.0-or-later
// The message table and the message window: the ten texts to the byte, how the
// window colours, animates, sounds and places itself for each code, the praise
// words, and closing it.

#include <QtTest>

#include "FakePlatform.h"
#include "InterruttoreSuoni.h"
#include "Risorse.h"
#include "frmMsg.h"
#include "modTempolino.h"

using namespace modTempolino;

namespace {

// What a test saw of the message window while it was open.
struct Visto {
    QString titolo;
    QString testo;
    QColor coloreTesto;
    QColor banda;
    QString pulsante;
    QPoint posizione;
    QSize dimensione;
    QSize cornice; // with the window's frame
    bool timer1 = false;
    bool timer2 = false;
    int intervallo1 = 0;
    int intervallo2 = 0;
    QImage figura;
};

QImage argb(const QImage& img)
{
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage figuraDi(const frmMsg& m)
{
    return argb(m.imgIcona->pixmap().toImage());
}

} // namespace

class TestMessages : public QObject {
    Q_OBJECT
private slots:
    void init();

    void storedTexts_data();
    void storedTexts();
    void lookPerCode_data();
    void lookPerCode();
    void silentWithSoundsOff_data();
    void silentWithSoundsOff();
    void praiseWord_data();
    void praiseWord();
    void praiseChosenAnewEachTime();
    void placement_data();
    void placement();
    void alarmClockFrames_data();
    void alarmClockFrames();
    void successBandBlinks();
    void tickSoundWhileOpen();
    void buttonClosesAndStopsTimers();
    void drawnWindow();
    void wholeTextAboveTheBand_data();
    void wholeTextAboveTheBand();
    void outOfTableCodeShowsNothing();

private:
    Visto mostra(int codice);
    FakePlatform fake{};
    InterruttoreSuoni suoni;
};

void TestMessages::init()
{
    fake = FakePlatform::install();
    fake.desktop->screen = QSize(1024, 768);
    suoni.imposta(true);
    InizializzaMessaggi();
}

Visto TestMessages::mostra(int codice)
{
    Visto v;
    fake.dialogs->onModal = [&v](QDialog& d) {
        auto* m = qobject_cast<frmMsg*>(&d);
        if (!m)
            return 0;
        v.titolo = m->windowTitle();
        v.testo = m->lblMessaggio->text();
        v.coloreTesto = m->lblMessaggio->palette().color(QPalette::WindowText);
        v.banda = m->shpBottom->riempimento;
        v.pulsante = m->cmdChiudi->text();
        v.posizione = m->pos();
        v.dimensione = m->size();
        v.cornice = m->frameGeometry().size();
        v.timer1 = m->Timer1->isActive();
        v.timer2 = m->Timer2->isActive();
        v.intervallo1 = m->Timer1->interval();
        v.intervallo2 = m->Timer2->interval();
        v.figura = figuraDi(*m);
        m->cmdChiudi->click();
        return 1;
    };
    MostraMessaggio(nullptr, static_cast<Messaggio>(codice));
    fake.dialogs->onModal = nullptr;
    return v;
}

void TestMessages::storedTexts_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("atteso");
    const QString a = QStringLiteral("Attenzione: ");
    const QString grande = QString::fromUtf16(u"il numero che hai inserito \u00e8 troppo grande!");
    QTest::newRow("0 right") << 0 << QStringLiteral("\r\nRisposta esatta!");
    QTest::newRow("1 wrong") << 1
                             << QString::fromUtf16(u"Hai sbagliato: riprova!\r\n(Ti sei ricordato  di verificare se "
                                                   u"\u00e8 mattina o sera, oppure se \u00e8 pomeriggio o notte?)");
    QTest::newRow("2 hours") << 2 << a + grande + QStringLiteral("\r\n Le ORE possono essere al massimo 23");
    QTest::newRow("3 minutes") << 3 << a + grande + QStringLiteral("\r\n I MINUTI possono essere al massimo 59");
    QTest::newRow("4 no hours") << 4 << QStringLiteral("Attenzione: \r\ndevi inserire l'ora.");
    QTest::newRow("5 no minutes") << 5 << QStringLiteral("Attenzione: \r\ndevi inserire i minuti.");
    QTest::newRow("6 test start")
        << 6
        << QStringLiteral("Attenzione: stai per iniziare la prova di controllo!\r\nIn questa prova devi rispondere "
                          "esattamente (puoi fare un solo errore)  a tutte nove le domande.\r\nSe ci riesci "
                          "diventi: \r\n\"Maestro Orologiaio\" o \"Maestra Orologiaia\" e puoi stampare un "
                          "bellissimo orologio per giocare con i tuoi amici e le tue amiche!");
    QTest::newRow("7 test lost")
        << 7
        << QString::fromUtf16(u"Peccato: hai sbagliato la risposta e la prova \u00e8 finita!\r\nCerca di allenarti "
                              u"un po' e poi riprova. Se rispondi esattamente a tutte  le nove domande della prova "
                              u"di controllo diventi: \"Maestro Orologiaio\" o \"Maestra Orologiaia e puoi stampare "
                              u"un bellissimo orologio.");
    QTest::newRow("8 test passed")
        << 8
        << QStringLiteral("Fantastico: nove risposte esatte!\r\nHai superato la prova di controllo.\r\nAdesso "
                          "prepara la stampante e, dopo aver chiuso questa finestra... potrai finalmente stampare "
                          "un bellissimo orologio  per giocare con i tuoi amici e le tue amiche!");
    QTest::newRow("9 first error") << 9
                                   << QStringLiteral("Attenzione: \r\nhai sbagliato la risposta!\r\nSe fai un altro "
                                                     "errore dovrai inizare la prova da capo.");
}

void TestMessages::storedTexts()
{
    QFETCH(int, codice);
    QFETCH(QString, atteso);
    QCOMPARE(Messaggi[static_cast<size_t>(codice)].toUtf8(), atteso.toUtf8());
    // The window shows the stored text as it is (code 0 after its praise word).
    const Visto v = mostra(codice);
    QVERIFY(v.testo.endsWith(atteso));
    QCOMPARE(v.testo.size() - atteso.size(), codice == 0 ? v.testo.indexOf(QLatin1Char('\r')) : 0);
    QCOMPARE(v.titolo, QStringLiteral("Tempolino"));
    QCOMPARE(v.dimensione, QSize(381, 175));
}

void TestMessages::lookPerCode_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<QColor>("testo");
    QTest::addColumn<QColor>("banda");
    QTest::addColumn<int>("suono");
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<int>("figura");
    QTest::addColumn<bool>("ticchettio");
    const QColor nero(0, 0, 0), rosso(255, 0, 0), verde(128, 255, 128), grigio(224, 224, 224);
    const QString ok = QStringLiteral("&OK");
    QTest::newRow("0") << 0 << nero << verde << 107 << ok << 231 << true;
    QTest::newRow("1") << 1 << rosso << rosso << 109 << ok << 233 << true;
    QTest::newRow("2") << 2 << rosso << grigio << 0 << ok << 235 << true;
    QTest::newRow("3") << 3 << rosso << grigio << 0 << ok << 235 << true;
    QTest::newRow("4") << 4 << rosso << grigio << 0 << ok << 235 << true;
    QTest::newRow("5") << 5 << rosso << grigio << 0 << ok << 235 << true;
    QTest::newRow("6") << 6 << nero << grigio << 0 << QStringLiteral("Inizia Test!") << 235 << true;
    QTest::newRow("7") << 7 << nero << rosso << 109 << ok << 233 << true;
    QTest::newRow("8") << 8 << nero << verde << 102 << ok << 231 << false;
    QTest::newRow("9") << 9 << rosso << rosso << 109 << ok << 233 << true;
}

void TestMessages::lookPerCode()
{
    QFETCH(int, codice);
    QFETCH(QColor, testo);
    QFETCH(QColor, banda);
    QFETCH(int, suono);
    QFETCH(QString, pulsante);
    QFETCH(int, figura);
    QFETCH(bool, ticchettio);

    const Visto v = mostra(codice);
    QCOMPARE(v.coloreTesto, testo);
    QCOMPARE(v.banda, banda);
    QCOMPARE(v.pulsante, pulsante);
    QCOMPARE(v.figura, argb(Risorse::bitmap(figura)));
    QVERIFY(v.timer1);
    QCOMPARE(v.timer2, ticchettio);
    QCOMPARE(v.intervallo1, 300);
    QCOMPARE(v.intervallo2, 650);
    if (suono)
        QCOMPARE(fake.sound->played, QVector<int>{suono});
    else
        QVERIFY(fake.sound->played.isEmpty());
}

void TestMessages::silentWithSoundsOff_data()
{
    QTest::addColumn<int>("codice");
    for (int c : {0, 1, 7, 8})
        QTest::newRow(qPrintable(QString::number(c))) << c;
}

void TestMessages::silentWithSoundsOff()
{
    QFETCH(int, codice);
    suoni.imposta(false);
    fake.dialogs->onModal = [](QDialog& d) {
        auto* m = qobject_cast<frmMsg*>(&d);
        for (int i = 0; i < 4; ++i) {
            m->Timer1_Timer();
            m->Timer2_Timer();
        }
        return 1;
    };
    MostraMessaggio(nullptr, static_cast<Messaggio>(codice));
    fake.dialogs->onModal = nullptr;
    QVERIFY(fake.sound->played.isEmpty());
}

void TestMessages::praiseWord_data()
{
    QTest::addColumn<double>("estrazione");
    QTest::addColumn<QString>("lode");
    QTest::newRow("0.0") << 0.0 << QStringLiteral("Ottimo.");
    QTest::newRow("0.199") << 0.199 << QStringLiteral("Ottimo.");
    QTest::newRow("0.2") << 0.2 << QStringLiteral("Benissimo.");
    QTest::newRow("0.45") << 0.45 << QStringLiteral("Molto bene.");
    QTest::newRow("0.7") << 0.7 << QStringLiteral("Perfetto.");
    QTest::newRow("0.8") << 0.8 << QStringLiteral("Bene.");
    QTest::newRow("0.9999") << 0.9999 << QStringLiteral("Bene.");
}

void TestMessages::praiseWord()
{
    QFETCH(double, estrazione);
    QFETCH(QString, lode);
    fake.random->scripted = {estrazione};
    const Visto v = mostra(0);
    // The praise word alone on the first line, "Risposta esatta!" on the second.
    QCOMPARE(v.testo, lode + QStringLiteral("\r\nRisposta esatta!"));
    QCOMPARE(fake.random->reseeds, 1);
}

void TestMessages::praiseChosenAnewEachTime()
{
    fake.random->scripted = {0.1, 0.9};
    const Visto primo = mostra(0);
    const Visto secondo = mostra(0);
    QVERIFY(primo.testo.startsWith(QStringLiteral("Ottimo.\r\n")));
    QVERIFY(secondo.testo.startsWith(QStringLiteral("Bene.\r\n")));
    QCOMPARE(fake.random->reseeds, 2);
    // Other codes draw nothing.
    mostra(1);
    mostra(8);
    QCOMPARE(fake.random->reseeds, 2);
}

void TestMessages::placement_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<int>("codice");
    QTest::addColumn<bool>("inBasso");
    QTest::newRow("7 on 1024x768") << QSize(1024, 768) << 7 << true;
    QTest::newRow("7 on 800x600") << QSize(800, 600) << 7 << true;
    QTest::newRow("1 centred") << QSize(1024, 768) << 1 << false;
    QTest::newRow("8 centred") << QSize(800, 600) << 8 << false;
    QTest::newRow("6 centred") << QSize(1280, 1024) << 6 << false;
}

void TestMessages::placement()
{
    QFETCH(QSize, schermo);
    QFETCH(int, codice);
    QFETCH(bool, inBasso);
    fake.desktop->screen = schermo;
    const Visto v = mostra(codice);
    const QSize f = v.cornice;
    QVERIFY(f.width() >= 381 && f.height() >= 175);
    if (inBasso) {
        // 40 pixels left of the centre, its frame's bottom 40 pixels above the screen's bottom.
        QCOMPARE(v.posizione, QPoint((schermo.width() - f.width()) / 2 - 40, schermo.height() - f.height() - 40));
        QVERIFY(v.posizione.y() + f.height() > schermo.height() * 3 / 4);
    } else {
        QVERIFY(qAbs(v.posizione.x() + f.width() / 2 - schermo.width() / 2) <= f.width() - 381);
        QVERIFY(qAbs(v.posizione.y() + f.height() / 2 - schermo.height() / 2) <= f.height() - 175);
    }
}

void TestMessages::alarmClockFrames_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<int>("primo");
    QTest::newRow("right") << 0 << 231;
    QTest::newRow("passed") << 8 << 231;
    QTest::newRow("wrong") << 1 << 233;
    QTest::newRow("lost") << 7 << 233;
    QTest::newRow("error in test") << 9 << 233;
    QTest::newRow("hours too large") << 2 << 235;
    QTest::newRow("test start") << 6 << 235;
}

void TestMessages::alarmClockFrames()
{
    QFETCH(int, codice);
    QFETCH(int, primo);
    QVector<QImage> figure;
    fake.dialogs->onModal = [&figure](QDialog& d) {
        auto* m = qobject_cast<frmMsg*>(&d);
        for (int i = 0; i < 5; ++i) {
            m->Timer1_Timer();
            figure.append(figuraDi(*m));
        }
        return 1;
    };
    MostraMessaggio(nullptr, static_cast<Messaggio>(codice));
    fake.dialogs->onModal = nullptr;
    const QImage a = argb(Risorse::bitmap(primo)), b = argb(Risorse::bitmap(primo + 1));
    QVERIFY(!a.isNull() && !b.isNull());
    QCOMPARE(a.size(), QSize(70, 65));
    QVERIFY(a != b);
    QCOMPARE(figure, (QVector<QImage>{a, b, a, b, a}));
}

void TestMessages::successBandBlinks()
{
    QVector<QColor> bande;
    int suoni = -1;
    fake.dialogs->onModal = [&](QDialog& d) {
        auto* m = qobject_cast<frmMsg*>(&d);
        for (int i = 0; i < 4; ++i) {
            m->Timer1_Timer();
            bande.append(m->shpBottom->riempimento);
        }
        suoni = static_cast<int>(fake.sound->played.size());
        return 1;
    };
    MostraMessaggio(nullptr, static_cast<Messaggio>(8));
    fake.dialogs->onModal = nullptr;
    const QColor chiaro(192, 255, 192), scuro(0, 192, 0);
    QCOMPARE(bande, (QVector<QColor>{chiaro, scuro, chiaro, scuro}));
    // Sound 102 once, and no tick.
    QCOMPARE(suoni, 1);
    QCOMPARE(fake.sound->played, QVector<int>{102});
}

void TestMessages::tickSoundWhileOpen()
{
    fake.dialogs->onModal = [](QDialog& d) {
        auto* m = qobject_cast<frmMsg*>(&d);
        m->Timer2_Timer();
        m->Timer2_Timer();
        // The band of codes other than 8 never blinks.
        m->Timer1_Timer();
        m->Timer1_Timer();
        return m->shpBottom->riempimento == QColor(255, 0, 0) ? 1 : 0;
    };
    MostraMessaggio(nullptr, static_cast<Messaggio>(1));
    QCOMPARE(fake.sound->played, (QVector<int>{109, 101, 101}));
    fake.sound->played.clear();
    MostraMessaggio(nullptr, static_cast<Messaggio>(4));
    QCOMPARE(fake.sound->played, (QVector<int>{101, 101}));
    fake.dialogs->onModal = nullptr;
}

void TestMessages::buttonClosesAndStopsTimers()
{
    QPointer<frmMsg> finestra;
    bool visibileDopo = true, timerDopo = true;
    fake.dialogs->onModal = [&](QDialog& d) {
        auto* m = qobject_cast<frmMsg*>(&d);
        finestra = m;
        QTest::mouseClick(m->cmdChiudi, Qt::LeftButton);
        visibileDopo = m->isVisible();
        timerDopo = m->Timer1->isActive() || m->Timer2->isActive();
        return m->result();
    };
    const int esito = MostraMessaggio(nullptr, static_cast<Messaggio>(6));
    fake.dialogs->onModal = nullptr;
    QVERIFY(!visibileDopo);
    QVERIFY(!timerDopo);
    QCOMPARE(esito, int(QDialog::Accepted));
    // Each message gets a window of its own, released when it closes.
    QVERIFY(finestra.isNull());
    QCOMPARE(fake.dialogs->modalShown, QStringList{QStringLiteral("frmMsg")});
}

void TestMessages::drawnWindow()
{
    QImage foto;
    Qt::CursorShape suPulsante = Qt::ArrowCursor, suTesto = Qt::BitmapCursor;
    fake.dialogs->onModal = [&](QDialog& d) {
        auto* m = qobject_cast<frmMsg*>(&d);
        suPulsante = m->cmdChiudi->cursor().shape();
        suTesto = m->lblMessaggio->cursor().shape();
        foto = m->grab().toImage();
        return 1;
    };
    MostraMessaggio(nullptr, static_cast<Messaggio>(1));
    fake.dialogs->onModal = nullptr;
    QCOMPARE(suPulsante, Qt::BitmapCursor);
    QCOMPARE(suTesto, Qt::ArrowCursor);
    QCOMPARE(foto.size(), QSize(381, 175));
    // Grey window, red band under the button, the grey line above the band.
    QCOMPARE(foto.pixelColor(370, 20), QColor(192, 192, 192));
    QCOMPARE(foto.pixelColor(20, 160), QColor(255, 0, 0));
    QCOMPARE(foto.pixelColor(370, 128), QColor(128, 128, 128));
    // The alarm clock is drawn in its corner, and red text stands in the label's area.
    int disegnati = 0, rossi = 0;
    for (int y = 6; y < 71; ++y)
        for (int x = 5; x < 75; ++x)
            disegnati += foto.pixelColor(x, y) != QColor(192, 192, 192);
    for (int y = 12; y < 128; ++y)
        for (int x = 80; x < 369; ++x) {
            const QColor c = foto.pixelColor(x, y);
            rossi += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    QVERIFY(disegnati > 1000);
    QVERIFY(rossi > 200);
}

void TestMessages::wholeTextAboveTheBand_data()
{
    QTest::addColumn<int>("codice");
    QTest::addColumn<bool>("dieciPunti");
    for (int c = 0; c < 10; ++c)
        QTest::newRow(qPrintable(QString::number(c))) << c << (c != 6);
}

void TestMessages::wholeTextAboveTheBand()
{
    QFETCH(int, codice);
    QFETCH(bool, dieciPunti);
    int altezzaTesto = 0, spazio = 0;
    qreal punti = 0;
    fake.dialogs->onModal = [&](QDialog& d) {
        auto* m = qobject_cast<frmMsg*>(&d);
        const QLabel* l = m->lblMessaggio;
        altezzaTesto = QFontMetrics(l->font())
                           .boundingRect(QRect(0, 0, l->width(), 10000), Qt::TextWordWrap | Qt::AlignHCenter, l->text())
                           .height();
        spazio = m->Line1->y() - l->y();
        punti = l->font().pointSizeF();
        return 1;
    };
    MostraMessaggio(nullptr, static_cast<Messaggio>(codice));
    fake.dialogs->onModal = nullptr;
    // Every line can be read: none runs into the band.
    QVERIFY2(altezzaTesto <= spazio, qPrintable(QStringLiteral("%1 > %2").arg(altezzaTesto).arg(spazio)));
    // Only the longest text needs a slightly smaller letter than 10 points.
    if (dieciPunti)
        QCOMPARE(punti, 10.0);
    else
        QVERIFY(punti >= 8 && punti < 10);
}

void TestMessages::outOfTableCodeShowsNothing()
{
    CodiceMessaggio = 3;
    QCOMPARE(MostraMessaggio(nullptr, static_cast<Messaggio>(10)), 0);
    QCOMPARE(MostraMessaggio(nullptr, static_cast<Messaggio>(-1)), 0);
    QVERIFY(fake.dialogs->modalShown.isEmpty());
    QCOMPARE(int(CodiceMessaggio), 3);
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
