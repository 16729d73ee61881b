// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise area and its questions: opening and closing it, the three kinds of
// question, the instruction texts, the sayings, the prompt typed letter by letter
// and the pointer put on the adjustment buttons.

#include <QtTest>

#include "Esercizi.h"
#include "Risorse.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "frmMsg.h"
#include "modTempolino.h"

namespace {

// The random draw that makes the clock's random minute land on `secondi`.
double estrazionePer(int secondi)
{
    return (secondi - 0.5) / 86400.0;
}

// The random draw that picks saying n (1 to 22).
double estrazioneDetto(int n)
{
    return (n - 0.5) / 22.0;
}

bool accanto(const frmClock* w, int opzione)
{
    return Trova(w, "imgSpunta")->y() == Trova(w, "optTest", opzione)->y();
}

} // namespace

class TestExercises : public QObject {
    Q_OBJECT
private slots:
    void instructionTexts_data();
    void instructionTexts();
    void sayingsTable_data();
    void sayingsTable();
    void sayingDraw_data();
    void sayingDraw();

    void openingSetsTheClockForExercises();
    void openingAlwaysStartsWithReading_data();
    void openingAlwaysStartsWithReading();
    void openingClosesTheMap();
    void closingRestoresTheClock();
    void handsGrowDuringExercises();
    void readingQuestion();
    void settingQuestionFromFigures_data();
    void settingQuestionFromFigures();
    void settingQuestionFromSaying();
    void consecutiveSayingsDiffer();
    void promptTypedLetterByLetter_data();
    void promptTypedLetterByLetter();
    void promptWholeWhenAnotherKindIsChosenWhileTyping();
    void areaClosedWhileTyping();
    void finalTestChoice();
};

void TestExercises::instructionTexts_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("read")
        << 0
        << QString::fromUtf16(u"Leggi l'orario visualizzato dall'orologio e scrivi, nelle due caselle corrispondenti, "
                              u"le ore e i minuti indicati dalle lancette.\r\nAttenzione: verifica la posizione del "
                              u"sole o della luna per capire se \u00e8 mattino o sera, oppure, se \u00e8 pomeriggio "
                              u"o notte.");
    QTest::newRow("set from figures")
        << 1
        << QStringLiteral("Prova ad impostare, facendo sempre molta attenzione alla posizione del sole o della luna, "
                          "le lancette dell'orologio all'orario indicato nelle due caselle hh (ore) e mm (minuti).\r\n"
                          "Per spostare le lancette utilizza i quattro pulsantini nel lato destro dell'orologio.");
    QTest::newRow("set from a saying")
        << 2
        << QStringLiteral("Prova ad impostare, facendo sempre molta attenzione alla posizione del sole o della luna, "
                          "le lancette dell'orologio all'orario indicato nella casella qui a fianco.\r\n"
                          "Per spostare le lancette utilizza i quattro pulsantini nel lato destro dell'orologio.");
}

void TestExercises::instructionTexts()
{
    QFETCH(int, tipo);
    QFETCH(QString, atteso);
    QCOMPARE(TestoIstruzioni(static_cast<TipoDomanda>(tipo)).toUtf8(), atteso.toUtf8());
    // The window's own function gives the same text.
    TestWindow tw;
    QCOMPARE(tw.esercizi()->MessaggioTest(static_cast<TipoDomanda>(tipo)), atteso);
}

void TestExercises::sayingsTable_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("orario");
    const char* righe[22][2] = {{"Mezzanotte", "0000"},
                                {"Mezzanotte meno un quarto", "2345"},
                                {"Mezzanotte e mezza", "0030"},
                                {"Mezzanotte e tre quarti", "0045"},
                                {"Mezzanotte e un quarto", "0015"},
                                {"Mezzanotte meno cinque", "2355"},
                                {"Mezzogiorno", "1200"},
                                {"Mezzogiorno meno un quarto", "1145"},
                                {"Mezzogiorno e un quarto", "1215"},
                                {"Mezzogiorno e mezzo", "1230"},
                                {"Mezzogiorno e tre quarti", "1245"},
                                {"Mezzogiorno e dieci", "1210"},
                                {"Sette e mezza", "0730"},
                                {"Otto e un quarto", "0815"},
                                {"Nove e tre quarti", "0945"},
                                {"Dodici meno un quarto", "1145"},
                                {"Le tredici e cinque", "1305"},
                                {"Le tredici e un quarto", "1315"},
                                {"Le tredici e quindici", "1315"},
                                {"Le tredici meno un quarto", "1245"},
                                {"Manca un minuto alle tredici", "1259"},
                                {"Mancano due minuti alle dieci", "0958"}};
    for (int n = 1; n <= 22; ++n)
        QTest::newRow(righe[n - 1][0]) << n << QString::fromLatin1(righe[n - 1][0])
                                       << QString::fromLatin1(righe[n - 1][1]);
}

void TestExercises::sayingsTable()
{
    QFETCH(int, n);
    QFETCH(QString, testo);
    QFETCH(QString, orario);
    const QString voce = Risorse::stringa(300 + n);
    QCOMPARE(voce, testo + QLatin1Char('.') + orario);
    const ModoDiDire d = LeggiModoDiDire(voce);
    QCOMPARE(d.testo, testo);
    QCOMPARE(d.orario, orario);
}

void TestExercises::sayingDraw_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("n");
    QTest::newRow("0") << 0.0 << 1;
    QTest::newRow("just below 1/22") << 0.0454 << 1;
    QTest::newRow("1/22") << 1.0 / 22 << 2;
    QTest::newRow("middle") << 0.5 << 12;
    QTest::newRow("last") << 0.99999 << 22;
}

void TestExercises::sayingDraw()
{
    QFETCH(double, r);
    QFETCH(int, n);
    QCOMPARE(NumeroModoDiDire(r), n);
}

void TestExercises::openingSetsTheClockForExercises()
{
    TestWindow tw(QSize(1024, 768), 37840); // 10:30:40
    frmClock* w = tw.w;
    QLabel* lblDigitalClock = tw.c<QLabel>("lblDigitalClock");
    QToolButton* cmdTest = tw.c<QToolButton>("cmdTest");
    tw.tickAt(37840);
    const QString lettura = lblDigitalClock->text();
    tw.fake.sound->played.clear();
    tw.fake.random->scripted = {estrazionePer(15 * 3600 + 20 * 60)};

    cmdTest->click();

    QCOMPARE(tw.fake.sound->played.value(0), 108);
    QVERIFY(tw.c("picTest")->isVisible());
    QVERIFY(tw.c("picAnalogic")->isHidden());
    QVERIFY(!tw.c<QTimer>("tmrClock")->isActive());
    auto* p1 = Trova<QuadranteOrologio>(w, "p1");
    QVERIFY(!p1->mostraEtichette());
    QVERIFY(!p1->mostraSecondi());
    QCOMPARE(p1->fattoreLancette(), 1.2f);
    QVERIFY(!cmdTest->isEnabled());
    QVERIFY(!tw.c("cmdCuriosità")->isEnabled());
    QCOMPARE(tw.c<OptionGroup>("grpCtrTime")->selected(), -1);
    QVERIFY(!tw.c("optCtrTime_0")->isEnabled() && !tw.c("optCtrTime_1")->isEnabled());
    for (int i = 0; i < 3; ++i) {
        QVERIFY(tw.c("optTest", i)->isEnabled());
        // The numeral styles stay usable during ordinary exercises.
        QVERIFY(tw.c("optStyleNum", i)->isEnabled());
    }
    // The question's time is on the hands only; the read-out keeps its old text.
    QCOMPARE(w->stato()->TempoCorrente(), 15 * 3600.0f + 20 * 60.0f);
    QCOMPARE(lblDigitalClock->text(), lettura);
}

void TestExercises::openingAlwaysStartsWithReading_data()
{
    QTest::addColumn<int>("ultimo");
    QTest::newRow("after reading") << 0;
    QTest::newRow("after setting from figures") << 1;
    QTest::newRow("after setting from a saying") << 2;
    QTest::newRow("after the final test") << 3;
}

void TestExercises::openingAlwaysStartsWithReading()
{
    QFETCH(int, ultimo);
    TestWindow tw;
    frmClock* w = tw.w;
    QToolButton* cmdTest = tw.c<QToolButton>("cmdTest");
    OptionGroup* grpTest = tw.c<OptionGroup>("grpTest");
    cmdTest->click();
    grpTest->select(ultimo);
    QVERIFY(grpTest->isSelected(ultimo));
    tw.c<QPushButton>("cmdExitTest")->click();

    cmdTest->click();
    QVERIFY(grpTest->isSelected(0));
    QVERIFY(accanto(w, 0));
    QVERIFY(EserciziDi(w)->tipoEsercizio() == TipoDomanda::Lettura);
    QVERIFY(!EserciziDi(w)->provaInCorso());
    QVERIFY(tw.casella(0)->isVisibleTo(tw.c("picTest")));
    QVERIFY(!tw.casella(0)->isReadOnly() && !tw.casella(1)->isReadOnly());
    QVERIFY(tw.c("lblModiDiDire")->isHidden());
    QCOMPARE(tw.c<QLabel>("lblMessaggioTest")->text(), TestoIstruzioni(TipoDomanda::Lettura));
    tw.fake.clock->advance(0.301);
    QCOMPARE(tw.c<QLabel>("lblPremiOK")->text(), TestoPremiOK());
}

void TestExercises::openingClosesTheMap()
{
    TestWindow tw;
    QToolButton* chkFusiOrari = tw.c<QToolButton>("chkFusiOrari");
    // The map is still opening when the exercises open: its animation stops there.
    chkFusiOrari->setChecked(true);
    tw.fake.clock->advance(0.3);
    tw.c<QToolButton>("cmdTest")->click();
    QVERIFY(!chkFusiOrari->isChecked());
    QVERIFY(!chkFusiOrari->isEnabled());
    QVERIFY(tw.c("picfusi")->isHidden());
    tw.c<QPushButton>("cmdExitTest")->click();
    QVERIFY(!chkFusiOrari->isChecked());
    QVERIFY(chkFusiOrari->isEnabled());
    // The clock the animation held runs again.
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
}

void TestExercises::closingRestoresTheClock()
{
    TestWindow tw(QSize(1024, 768), 36000);
    frmClock* w = tw.w;
    QToolButton* cmdTest = tw.c<QToolButton>("cmdTest");
    OptionGroup* grpStyleNum = tw.c<OptionGroup>("grpStyleNum");
    cmdTest->click();
    tw.c<OptionGroup>("grpTest")->select(2);
    grpStyleNum->select(2);
    tw.fake.sound->played.clear();

    tw.c<QPushButton>("cmdExitTest")->click();

    QVERIFY(tw.c("picTest")->isHidden());
    QVERIFY(tw.c("picAnalogic")->isVisible());
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    auto* p1 = Trova<QuadranteOrologio>(w, "p1");
    QVERIFY(p1->mostraSecondi());
    QVERIFY(p1->mostraEtichette());
    QCOMPARE(p1->fattoreLancette(), 1.0f);
    QVERIFY(tw.c<OptionGroup>("grpCtrTime")->isSelected(1));
    QVERIFY(tw.c("optCtrTime_0")->isEnabled() && tw.c("optCtrTime_1")->isEnabled());
    QVERIFY(grpStyleNum->isSelected(1));
    for (int i = 0; i < 3; ++i)
        QVERIFY(tw.c("optStyleNum", i)->isEnabled());
    QVERIFY(cmdTest->isEnabled());
    QVERIFY(tw.c("cmdCuriosità")->isEnabled());
    // The mode button's click is heard.
    QVERIFY(tw.fake.sound->played.contains(106));
    // The next tick shows the computer's time again, seconds included.
    tw.tickAt(11 * 3600 + 7);
    QCOMPARE(w->stato()->TempoCorrente(), 11 * 3600 + 7.0f);
    QCOMPARE(tw.c<QLabel>("lblDigitalClock")->text(), QStringLiteral("11:00:07"));
}

namespace {
// The pixels of the face painted in the minute hand's red.
int pixelRossi(const frmClock* w)
{
    PictureBox* p1 = Trova<PictureBox>(w, "p1");
    int n = 0;
    for (int y = 0; y < p1->height(); ++y)
        for (int x = 0; x < p1->width(); ++x) {
            const QColor c = p1->pixelAt(x, y);
            n += c.red() > 200 && c.green() < 100 && c.blue() < 100;
        }
    return n;
}
} // namespace

void TestExercises::handsGrowDuringExercises()
{
    TestWindow tw;
    frmClock* w = tw.w;
    // At midnight both hands point at 12 and the minute hand lies over the hour hand.
    // The hands' value labels and the second hand would cover parts of it: leave them
    // out for the measure.
    Trova<QuadranteOrologio>(w, "p1")->ImpostaEtichette(false);
    Trova<QuadranteOrologio>(w, "p1")->ImpostaSecondi(false);
    w->stato()->MostraOra(0);
    const int normale = pixelRossi(w);
    Trova<QuadranteOrologio>(w, "p1")->ImpostaEtichette(true);
    Trova<QuadranteOrologio>(w, "p1")->ImpostaSecondi(true);
    tw.c<QToolButton>("cmdTest")->click();
    tw.c<OptionGroup>("grpTest")->select(1);
    QCOMPARE(w->stato()->TempoCorrente(), 0.0f);
    const int esercizio = pixelRossi(w);
    // 20% longer and 20% wider: 1.44 times the area.
    const double rapporto = double(esercizio) / normale;
    QVERIFY(normale > 500);
    QVERIFY2(rapporto > 1.3 && rapporto < 1.6, qPrintable(QString::number(rapporto)));
}

void TestExercises::readingQuestion()
{
    TestWindow tw;
    frmClock* w = tw.w;
    tw.c<QToolButton>("cmdTest")->click();
    tw.fake.random->scripted = {estrazionePer(23 * 3600 + 59 * 60)};
    EserciziDi(w)->PreparaLettura();
    QCOMPARE(w->stato()->TempoCorrente(), 23 * 3600.0f + 59 * 60);
    QVERIFY(EserciziDi(w)->tipoEsercizio() == TipoDomanda::Lettura);
    QVERIFY(tw.casella(0)->text().isEmpty() && tw.casella(1)->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), tw.casella(0));
    // A draw that would round up to 24:00 sets the question at 00:00.
    tw.fake.random->scripted = {0.99999999};
    EserciziDi(w)->PreparaLettura();
    QCOMPARE(w->stato()->TempoCorrente(), 0.0f);
}

void TestExercises::settingQuestionFromFigures_data()
{
    QTest::addColumn<int>("secondi");
    QTest::addColumn<QString>("ore");
    QTest::addColumn<QString>("minuti");
    QTest::newRow("07:05") << 7 * 3600 + 5 * 60 << QStringLiteral("07") << QStringLiteral("05");
    QTest::newRow("19:05") << 19 * 3600 + 5 * 60 << QStringLiteral("19") << QStringLiteral("05");
    QTest::newRow("00:00") << 0 << QStringLiteral("00") << QStringLiteral("00");
    QTest::newRow("23:59") << 23 * 3600 + 59 * 60 << QStringLiteral("23") << QStringLiteral("59");
}

void TestExercises::settingQuestionFromFigures()
{
    QFETCH(int, secondi);
    QFETCH(QString, ore);
    QFETCH(QString, minuti);
    TestWindow tw;
    frmClock* w = tw.w;
    QWidget* cmdTime_3 = tw.c("cmdTime_3");
    tw.c<QToolButton>("cmdTest")->click();
    tw.fake.random->scripted = {estrazionePer(secondi)};
    tw.fake.desktop->cursorMoves.clear();
    QVector<int> codici;
    tw.fake.dialogs->onModal = [&codici](QDialog&) {
        codici << modTempolino::CodiceMessaggio;
        return 1;
    };

    tw.c<OptionGroup>("grpTest")->select(1);

    QCOMPARE(tw.casella(0)->text(), ore);
    QCOMPARE(tw.casella(1)->text(), minuti);
    QVERIFY(tw.casella(0)->isReadOnly() && tw.casella(1)->isReadOnly());
    QVERIFY(tw.casella(0)->isVisibleTo(tw.c("picTest")) && tw.c("lblModiDiDire")->isHidden());
    // The boxes cannot be changed by typing.
    QTest::keyClicks(tw.casella(0), QStringLiteral("1"));
    QCOMPARE(tw.casella(0)->text(), ore);
    // The hands start at midnight.
    QCOMPARE(w->stato()->TempoCorrente(), 0.0f);
    QVERIFY(EserciziDi(w)->tipoEsercizio() == TipoDomanda::Impostazione);
    QVERIFY(accanto(w, 1));
    QCOMPARE(tw.c<QLabel>("lblMessaggioTest")->text(), TestoIstruzioni(TipoDomanda::Impostazione));
    QVERIFY(codici.isEmpty());
    // The pointer jumps onto the centre of "Ore avanti ".
    QVERIFY(!tw.fake.desktop->cursorMoves.isEmpty());
    QCOMPARE(tw.fake.desktop->cursorMoves.last(), tw.c("picRegolazione")->mapToGlobal(cmdTime_3->geometry().center()));
    QCOMPARE(cmdTime_3->toolTip(), QStringLiteral("Ore avanti "));
}

void TestExercises::settingQuestionFromSaying()
{
    TestWindow tw;
    frmClock* w = tw.w;
    QLabel* lblModiDiDire = tw.c<QLabel>("lblModiDiDire");
    tw.c<QToolButton>("cmdTest")->click();
    w->stato()->MostraOra(0);
    tw.fake.random->scripted = {estrazioneDetto(10)};
    tw.fake.desktop->cursorMoves.clear();

    tw.c<OptionGroup>("grpTest")->select(2);

    QCOMPARE(lblModiDiDire->text(), QStringLiteral("Mezzogiorno e mezzo"));
    QCOMPARE(lblModiDiDire->property("Tag").toString(), QStringLiteral("1230"));
    QVERIFY(lblModiDiDire->isVisibleTo(tw.c("picTest")));
    QVERIFY(tw.casella(0)->isHidden() && tw.casella(1)->isHidden());
    QVERIFY(tw.c("lbl_hh")->isHidden() && tw.c("lbl_mm")->isHidden());
    QCOMPARE(w->stato()->TempoCorrente(), 0.0f);
    QVERIFY(EserciziDi(w)->tipoEsercizio() == TipoDomanda::ModoDiDire);
    QCOMPARE(w->stato()->ultimiValori().modoDiDire, 10);
    QVERIFY(accanto(w, 2));
    QCOMPARE(tw.fake.desktop->cursorMoves.size(), 1);
    QCOMPARE(QApplication::focusWidget(), tw.c("p1"));
}

void TestExercises::consecutiveSayingsDiffer()
{
    TestWindow tw;
    frmClock* w = tw.w;
    QToolButton* cmdTest = tw.c<QToolButton>("cmdTest");
    OptionGroup* grpTest = tw.c<OptionGroup>("grpTest");
    QLabel* lblModiDiDire = tw.c<QLabel>("lblModiDiDire");
    cmdTest->click();
    w->stato()->MostraOra(0);
    tw.fake.random->scripted = {estrazioneDetto(8)};
    grpTest->select(2);
    QCOMPARE(lblModiDiDire->text(), QStringLiteral("Mezzogiorno meno un quarto"));

    // The same saying drawn again is drawn over; the same time in other words may come.
    tw.fake.random->scripted = {estrazioneDetto(8), estrazioneDetto(8), estrazioneDetto(16)};
    EserciziDi(w)->PreparaModoDiDire();
    QCOMPARE(lblModiDiDire->text(), QStringLiteral("Dodici meno un quarto"));
    QCOMPARE(lblModiDiDire->property("Tag").toString(), QStringLiteral("1145"));
    QVERIFY(tw.fake.random->scripted.empty());

    // The last saying is remembered across closing and reopening the area.
    tw.c<QPushButton>("cmdExitTest")->click();
    cmdTest->click();
    QCOMPARE(w->stato()->ultimiValori().modoDiDire, 16);
    w->stato()->MostraOra(0);
    tw.fake.random->scripted = {estrazioneDetto(16), estrazioneDetto(1)};
    grpTest->select(2);
    QCOMPARE(lblModiDiDire->text(), QStringLiteral("Mezzanotte"));
    QCOMPARE(lblModiDiDire->property("Tag").toString(), QStringLiteral("0000"));
}

void TestExercises::promptTypedLetterByLetter_data()
{
    QTest::addColumn<int>("tipo");
    QTest::newRow("read") << 0;
    QTest::newRow("set from figures") << 1;
    QTest::newRow("set from a saying") << 2;
}

void TestExercises::promptTypedLetterByLetter()
{
    QFETCH(int, tipo);
    TestWindow tw;
    OptionGroup* grpTest = tw.c<OptionGroup>("grpTest");
    QLabel* lblPremiOK = tw.c<QLabel>("lblPremiOK");
    QWidget* imgIndicaOK = tw.c("imgIndicaOK");
    QWidget* picTest = tw.c("picTest");
    tw.c<QToolButton>("cmdTest")->click();
    if (tipo == 0)
        grpTest->select(1);
    tw.fake.clock->advance(1);

    grpTest->select(tipo);
    // A letter every 7 ms, the first at once; the hand pointing at "OK!" once all are there.
    const QString prompt = TestoPremiOK();
    QCOMPARE(prompt.size(), 43);
    QStringList visti, attesi;
    QVector<bool> manoVisibile;
    for (int i = 1; i <= 43; ++i) {
        attesi << prompt.left(i);
        visti << lblPremiOK->text();
        manoVisibile << imgIndicaOK->isVisibleTo(picTest);
        tw.fake.clock->advance(0.007);
    }
    QCOMPARE(visti, attesi);
    QVERIFY(!manoVisibile.contains(true));
    QCOMPARE(lblPremiOK->text(), prompt);
    QVERIFY(imgIndicaOK->isVisibleTo(picTest));
    QVERIFY(!tw.c<QTimer>("tmrPremiOK")->isActive());
}

void TestExercises::promptWholeWhenAnotherKindIsChosenWhileTyping()
{
    TestWindow tw;
    frmClock* w = tw.w;
    OptionGroup* grpTest = tw.c<OptionGroup>("grpTest");
    QLabel* lblPremiOK = tw.c<QLabel>("lblPremiOK");
    tw.c<QToolButton>("cmdTest")->click();
    grpTest->select(1);
    tw.fake.clock->advance(1);

    grpTest->select(0);
    tw.fake.clock->advance(0.07);
    QCOMPARE(lblPremiOK->text(), TestoPremiOK().left(11));
    // Another kind while the prompt is typed: its prompt starts again from the first letter.
    tw.c<QRadioButton>("optTest_2")->click();
    QCOMPARE(lblPremiOK->text(), TestoPremiOK().left(1));
    QVERIFY(tw.c("imgIndicaOK")->isHidden());
    tw.fake.clock->advance(0.301);
    QCOMPARE(lblPremiOK->text(), TestoPremiOK());
    QVERIFY(tw.c("imgIndicaOK")->isVisibleTo(tw.c("picTest")));
    QVERIFY(grpTest->isSelected(2));
    QVERIFY(accanto(w, 2));
    QCOMPARE(tw.c<QLabel>("lblMessaggioTest")->text(), TestoIstruzioni(TipoDomanda::ModoDiDire));
}

void TestExercises::areaClosedWhileTyping()
{
    TestWindow tw;
    QToolButton* cmdTest = tw.c<QToolButton>("cmdTest");
    QWidget* picTest = tw.c("picTest");
    cmdTest->click();
    tw.fake.clock->advance(0.035);
    QVERIFY(tw.c<QTimer>("tmrPremiOK")->isActive());
    tw.c<QPushButton>("cmdExitTest")->click();

    QVERIFY(picTest->isHidden());
    QVERIFY(tw.c("picAnalogic")->isVisible());
    QVERIFY(tw.c<QTimer>("tmrClock")->isActive());
    // The typing stopped with the area.
    QVERIFY(!tw.c<QTimer>("tmrPremiOK")->isActive());
    const QString lasciato = tw.c<QLabel>("lblPremiOK")->text();
    tw.fake.clock->advance(1);
    QCOMPARE(tw.c<QLabel>("lblPremiOK")->text(), lasciato);
    // The area opens again as usual.
    cmdTest->click();
    QVERIFY(picTest->isVisible());
    tw.fake.clock->advance(0.301);
    QCOMPARE(tw.c<QLabel>("lblPremiOK")->text(), TestoPremiOK());
    QVERIFY(tw.c("imgIndicaOK")->isVisibleTo(picTest));
}

void TestExercises::finalTestChoice()
{
    TestWindow tw;
    frmClock* w = tw.w;
    QToolButton* cmdTest = tw.c<QToolButton>("cmdTest");
    OptionGroup* grpTest = tw.c<OptionGroup>("grpTest");
    QWidget* optTest_0 = tw.c("optTest_0");
    QWidget* optTest_1 = tw.c("optTest_1");
    QWidget* optTest_2 = tw.c("optTest_2");
    QPushButton* cmdExitTest = tw.c<QPushButton>("cmdExitTest");
    cmdTest->click();
    grpTest->select(1);
    struct Stato {
        int codice = -1;
        QString pulsante;
        bool spuntaAllaProva = false;
        bool areaVuota = false;
        bool tipiBloccati = false;
    } stato;
    tw.fake.dialogs->onModal = [&](QDialog& d) {
        if (stato.codice >= 0)
            return 1;
        auto* m = qobject_cast<frmMsg*>(&d);
        stato.codice = modTempolino::CodiceMessaggio;
        stato.pulsante = m->cmdChiudi->text();
        stato.spuntaAllaProva = accanto(w, 3);
        stato.areaVuota = tw.casella(0)->text().isEmpty() && tw.casella(1)->text().isEmpty()
            && tw.c<QLabel>("lblPremiOK")->text().isEmpty() && tw.c<QLabel>("lblMessaggioTest")->text().isEmpty()
            && tw.c<QLabel>("lblModiDiDire")->text().isEmpty() && tw.c("imgIndicaOK")->isHidden();
        stato.tipiBloccati =
            !optTest_0->isEnabled() && !optTest_1->isEnabled() && !optTest_2->isEnabled() && cmdExitTest->isEnabled();
        return 1;
    };

    grpTest->select(3);

    QCOMPARE(stato.codice, 6);
    QCOMPARE(stato.pulsante, QStringLiteral("Inizia Test!"));
    QVERIFY(stato.spuntaAllaProva);
    QVERIFY(stato.areaVuota);
    QVERIFY(stato.tipiBloccati);
    QVERIFY(EserciziDi(w)->provaInCorso());
    QVERIFY(accanto(w, 3));

    // Leaving during the test: the next opening starts afresh with "Indovina l'ora".
    tw.fake.dialogs->onModal = nullptr;
    cmdExitTest->click();
    cmdTest->click();
    QVERIFY(!EserciziDi(w)->provaInCorso());
    QVERIFY(grpTest->isSelected(0));
    QVERIFY(accanto(w, 0));
    QVERIFY(optTest_0->isEnabled() && optTest_1->isEnabled() && optTest_2->isEnabled());
}

QTEST_MAIN(TestExercises)
#include "tst_exercises.moc"
