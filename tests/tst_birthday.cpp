// SPDX-License-Identifier: GPL-3.0-or-later
// The birthday calculator: its computation with a fixed "today", and the date boxes
// of the curiosities window as the child types, pastes and presses "OK!".

#include <QtTest>

#include "CalcoloCompleanno.h"
#include "FakePlatform.h"
#include "InterruttoreSuoni.h"
#include "frmExt.h"
#include "modTempolino.h"

using namespace CalcoloCompleanno;

namespace {

const QString kErrore =
    QStringLiteral("Alcuni dati immessi non sono validi oppure la data non è confrontabile o è incompleta.\r\n"
                   "Controlla meglio la data che hai scritto e riprova.");

QString righe(const char* giornoUtf8, const char* etaUtf8, const QString& ultima)
{
    const QString giorno = QString::fromUtf8(giornoUtf8);
    const QString eta = QString::fromUtf8(etaUtf8);
    return QStringLiteral("Il tuo giorno di nascita è stato di: ") + giorno + QStringLiteral("\r\nOggi hai: ") + eta
        + QStringLiteral("\r\n") + ultima;
}

QString mancano(int n)
{
    return QStringLiteral("Per il tuo prossimo compleanno mancano ancora: %1 giorni ").arg(n);
}

const QString kAuguri = QStringLiteral(" AUGURI! Oggi è il tuo compleanno.");
const QString kDomani = QStringLiteral("Per il tuo prossimo compleanno manca solo:  1 giorno ");

} // namespace

class TestBirthday : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void risultato_data();
    void risultato();
    void rifiuto_data();
    void rifiuto();
    void compleannoDel29Febbraio_data();
    void compleannoDel29Febbraio();
    void etaMaiNegativa();
    void controlloCasella_data();
    void controlloCasella();
    void nomeGiorno();

    void digitazione_data();
    void digitazione();
    void soloCifreIncollando_data();
    void soloCifreIncollando();
    void okMostraIlRisultatoESuona_data();
    void okMostraIlRisultatoESuona();
    void okConDatiSbagliati_data();
    void okConDatiSbagliati();
    void modificaCancellaIlRisultato();
    void oggiVieneDalCalendario();

private:
    FakePlatform fake{};
    InterruttoreSuoni suoni;
    frmExt* finestra = nullptr;
    void scrivi(int casella, const QString& testo);
};

void TestBirthday::init()
{
    fake = FakePlatform::install();
    fake.clock->date = QDate(2024, 3, 10);
    suoni.imposta(true);
    finestra = new frmExt;
    finestra->show();
}

void TestBirthday::cleanup()
{
    delete finestra;
    finestra = nullptr;
}

void TestBirthday::scrivi(int casella, const QString& testo)
{
    QTest::keyClicks(finestra->txtdata[casella], testo);
}

// ---------------------------------------------------------------- the computation

void TestBirthday::risultato_data()
{
    QTest::addColumn<QDate>("oggi");
    QTest::addColumn<QString>("g");
    QTest::addColumn<QString>("m");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("atteso");
    QTest::addColumn<bool>("suona");

    const QDate oggi(2024, 3, 10);
    QTest::newRow("nato oggi") << oggi << "10"
                               << "03"
                               << "2024" << righe("Domenica", "0 anni  0 mesi  0 giorni ", kAuguri) << false;
    QTest::newRow("compleanno oggi") << oggi << "10"
                                     << "3"
                                     << "2015" << righe("Martedì", "9 anni  0 mesi  0 giorni ", kAuguri) << false;
    QTest::newRow("compleanno domani") << oggi << "11"
                                       << "03"
                                       << "2015" << righe("Mercoledì", "8 anni  11 mesi  28 giorni ", kDomani) << true;
    QTest::newRow("compleanno ieri") << oggi << "09"
                                     << "03"
                                     << "2015" << righe("Lunedì", "9 anni  0 mesi  1 giorno ", mancano(364)) << true;
    QTest::newRow("compleanno ieri, anno bisestile in mezzo")
        << QDate(2024, 2, 10) << "9"
        << "2"
        << "2016" << righe("Martedì", "8 anni  0 mesi  1 giorno ", mancano(365)) << true;
    // The month taken for the days is January, 31 days long.
    QTest::newRow("31 gennaio, oggi 1 febbraio")
        << QDate(2024, 2, 1) << "31"
        << "01"
        << "2024" << righe("Mercoledì", "0 anni  0 mesi  1 giorno ", mancano(365)) << true;
    // February 2024 had 29 days.
    QTest::newRow("15 marzo 2010, oggi 10 marzo 2024")
        << oggi << "15"
        << "03"
        << "2010" << righe("Lunedì", "13 anni  11 mesi  24 giorni ", mancano(5)) << true;
    QTest::newRow("un anno, un mese, un giorno")
        << oggi << "09"
        << "02"
        << "2023" << righe("Giovedì", "1 anno  1 mese  1 giorno ", mancano(336)) << true;
    QTest::newRow("preso un mese a gennaio")
        << QDate(2024, 1, 5) << "20"
        << "12"
        << "2015" << righe("Domenica", "8 anni  0 mesi  16 giorni ", mancano(350)) << true;
    QTest::newRow("giorno e mese di una cifra")
        << oggi << "7"
        << "3"
        << "1995" << righe("Martedì", "29 anni  0 mesi  3 giorni ", mancano(362)) << true;
    QTest::newRow("zeri davanti") << oggi << "07"
                                  << "03"
                                  << "1995" << righe("Martedì", "29 anni  0 mesi  3 giorni ", mancano(362)) << true;
    QTest::newRow("1850 è accettato") << oggi << "10"
                                      << "03"
                                      << "1850" << righe("Domenica", "174 anni  0 mesi  0 giorni ", kAuguri) << false;
    QTest::newRow("29 febbraio di un anno secolare bisestile")
        << oggi << "29"
        << "02"
        << "2000" << righe("Martedì", "24 anni  0 mesi  10 giorni ", mancano(356)) << true;
}

void TestBirthday::risultato()
{
    QFETCH(QDate, oggi);
    QFETCH(QString, g);
    QFETCH(QString, m);
    QFETCH(QString, a);
    QFETCH(QString, atteso);
    QFETCH(bool, suona);

    const Esito e = Calcola(g, m, a, oggi);
    QVERIFY(e.valido);
    QCOMPARE(e.testo, atteso);
    QCOMPARE(e.suona, suona);
}

void TestBirthday::rifiuto_data()
{
    QTest::addColumn<QString>("g");
    QTest::addColumn<QString>("m");
    QTest::addColumn<QString>("a");
    QTest::addColumn<int>("focus");
    QTest::addColumn<bool>("svuotaAnno");

    QTest::newRow("tutto vuoto") << ""
                                 << ""
                                 << "" << 0 << false;
    QTest::newRow("giorno vuoto") << ""
                                  << "05"
                                  << "2000" << 0 << false;
    QTest::newRow("mese vuoto") << "12"
                                << ""
                                << "2000" << 1 << false;
    QTest::newRow("anno vuoto") << "12"
                                << "05"
                                << "" << 2 << false;
    QTest::newRow("1849") << "10"
                          << "03"
                          << "1849" << 2 << true;
    QTest::newRow("anno 0") << "10"
                            << "03"
                            << "0" << 2 << true;
    QTest::newRow("31/04/2000") << "31"
                                << "04"
                                << "2000" << -1 << false;
    QTest::newRow("29/02/2001") << "29"
                                << "02"
                                << "2001" << -1 << false;
    QTest::newRow("29/02/1900") << "29"
                                << "02"
                                << "1900" << -1 << false;
    QTest::newRow("00/05/2000") << "00"
                                << "05"
                                << "2000" << -1 << false;
    QTest::newRow("0/05/2000") << "0"
                               << "05"
                               << "2000" << -1 << false;
    QTest::newRow("15/00/2000") << "15"
                                << "00"
                                << "2000" << -1 << false;
    QTest::newRow("32/01/2000") << "32"
                                << "01"
                                << "2000" << -1 << false;
    QTest::newRow("15/13/2000") << "15"
                                << "13"
                                << "2000" << -1 << false;
    QTest::newRow("domani") << "11"
                            << "03"
                            << "2024" << -1 << false;
    QTest::newRow("più avanti quest'anno") << "25"
                                           << "12"
                                           << "2024" << -1 << false;
    QTest::newRow("anno prossimo") << "01"
                                   << "01"
                                   << "2025" << -1 << false;
    QTest::newRow("lettere nel giorno") << "1a"
                                        << "05"
                                        << "2000" << -1 << false;
    QTest::newRow("spazio nel mese") << "12"
                                     << " 5"
                                     << "2000" << -1 << false;
}

void TestBirthday::rifiuto()
{
    QFETCH(QString, g);
    QFETCH(QString, m);
    QFETCH(QString, a);
    QFETCH(int, focus);
    QFETCH(bool, svuotaAnno);

    const Esito e = Calcola(g, m, a, QDate(2024, 3, 10));
    QVERIFY(!e.valido);
    QCOMPARE(e.casellaFocus, focus);
    QCOMPARE(e.svuotaAnno, svuotaAnno);
    QVERIFY(e.testo.isEmpty());
}

void TestBirthday::compleannoDel29Febbraio_data()
{
    QTest::addColumn<QDate>("oggi");
    QTest::addColumn<QDate>("prossimo");
    QTest::addColumn<QString>("eta");

    // Born 29 February 2020.
    QTest::newRow("anno comune, il giorno prima")
        << QDate(2023, 2, 28) << QDate(2023, 3, 1) << "2 anni  11 mesi  30 giorni ";
    QTest::newRow("anno comune, festeggiato il 1 marzo")
        << QDate(2023, 3, 1) << QDate(2023, 3, 1) << "3 anni  0 mesi  0 giorni ";
    QTest::newRow("anno comune, dopo il 1 marzo")
        << QDate(2023, 3, 2) << QDate(2024, 2, 29) << "3 anni  0 mesi  1 giorno ";
    QTest::newRow("anno bisestile, il 29 febbraio")
        << QDate(2024, 2, 29) << QDate(2024, 2, 29) << "4 anni  0 mesi  0 giorni ";
    QTest::newRow("anno bisestile, il 1 marzo")
        << QDate(2024, 3, 1) << QDate(2025, 3, 1) << "4 anni  0 mesi  1 giorno ";
    QTest::newRow("verso un anno secolare comune")
        << QDate(2099, 3, 5) << QDate(2100, 3, 1) << "79 anni  0 mesi  4 giorni ";
    QTest::newRow("verso un anno secolare bisestile")
        << QDate(2399, 3, 5) << QDate(2400, 2, 29) << "379 anni  0 mesi  4 giorni ";
}

void TestBirthday::compleannoDel29Febbraio()
{
    QFETCH(QDate, oggi);
    QFETCH(QDate, prossimo);
    QFETCH(QString, eta);

    const Esito e = Calcola(QStringLiteral("29"), QStringLiteral("02"), QStringLiteral("2020"), oggi);
    QVERIFY(e.valido);
    QCOMPARE(e.prossimoCompleanno, prossimo);
    QCOMPARE(e.giorniAlCompleanno, int(oggi.daysTo(prossimo)));
    QVERIFY2(e.testo.contains(QStringLiteral("Oggi hai: ") + eta), qPrintable(e.testo));
    QCOMPARE(e.testo.endsWith(kAuguri), oggi == prossimo);
}

void TestBirthday::etaMaiNegativa()
{
    // Every birth date of 2019 and 2020, every "today" up to 30 months later: the fields
    // stay in range, and each next day adds one day or starts a new month at 0 days.
    for (QDate nascita(2019, 1, 1); nascita <= QDate(2020, 12, 31); nascita = nascita.addDays(1)) {
        Eta prima = CalcolaEta(nascita, nascita);
        QCOMPARE(prima.anni + prima.mesi + prima.giorni, 0);
        for (QDate oggi = nascita.addDays(1); oggi <= nascita.addMonths(30); oggi = oggi.addDays(1)) {
            const Eta e = CalcolaEta(nascita, oggi);
            const int totPrima = prima.anni * 12 + prima.mesi, tot = e.anni * 12 + e.mesi;
            const bool inRegola = e.giorni >= 0 && e.giorni <= 30 && e.mesi >= 0 && e.mesi <= 11;
            const bool unGiornoInPiu = tot == totPrima && e.giorni == prima.giorni + 1;
            const bool nuovoMese = tot == totPrima + 1 && e.giorni == 0;
            if (!inRegola || !(unGiornoInPiu || nuovoMese))
                QFAIL(qPrintable(QStringLiteral("nato il %1, oggi %2: %3 anni %4 mesi %5 giorni")
                                     .arg(nascita.toString(Qt::ISODate), oggi.toString(Qt::ISODate))
                                     .arg(e.anni)
                                     .arg(e.mesi)
                                     .arg(e.giorni)));
            prima = e;
        }
    }
}

void TestBirthday::controlloCasella_data()
{
    QTest::addColumn<int>("casella");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("svuota");
    QTest::addColumn<bool>("avanza");

    QTest::newRow("giorno 3") << int(Giorno) << "3" << false << false;
    QTest::newRow("giorno 35") << int(Giorno) << "35" << true << false;
    QTest::newRow("giorno 05") << int(Giorno) << "05" << false << true;
    QTest::newRow("giorno 31") << int(Giorno) << "31" << false << true;
    QTest::newRow("giorno 32") << int(Giorno) << "32" << true << false;
    QTest::newRow("giorno vuoto") << int(Giorno) << "" << false << false;
    QTest::newRow("mese 1") << int(Mese) << "1" << false << false;
    QTest::newRow("mese 12") << int(Mese) << "12" << false << true;
    QTest::newRow("mese 13") << int(Mese) << "13" << true << false;
    QTest::newRow("anno 202") << int(Anno) << "202" << false << false;
    QTest::newRow("anno corrente") << int(Anno) << "2024" << false << true;
    QTest::newRow("anno prossimo") << int(Anno) << "2025" << true << false;
    QTest::newRow("anno 3000") << int(Anno) << "3000" << true << false;
    QTest::newRow("anno 1849 si scrive") << int(Anno) << "1849" << false << true;
}

void TestBirthday::controlloCasella()
{
    QFETCH(int, casella);
    QFETCH(QString, testo);
    QFETCH(bool, svuota);
    QFETCH(bool, avanza);
    const Controllo c = ControllaCasella(casella, testo, 2024);
    QCOMPARE(c.svuota, svuota);
    QCOMPARE(c.avanza, avanza);
}

void TestBirthday::nomeGiorno()
{
    const QStringList nomi = QString::fromUtf8("Lunedì Martedì Mercoledì Giovedì Venerdì Sabato Domenica").split(u' ');
    for (int i = 1; i <= 7; ++i)
        QCOMPARE(NomeGiorno(i), nomi[i - 1]);
    QVERIFY(NomeGiorno(0).isEmpty());
    QVERIFY(NomeGiorno(8).isEmpty());
}

// ---------------------------------------------------------------- the boxes in the window

void TestBirthday::digitazione_data()
{
    QTest::addColumn<int>("casella");
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("resta");
    QTest::addColumn<QString>("focus");

    QTest::newRow("3 poi 5 svuota il giorno") << 0 << "35"
                                              << ""
                                              << "txtdata_0";
    QTest::newRow("0 poi 5 passa al mese") << 0 << "05"
                                           << "05"
                                           << "txtdata_1";
    QTest::newRow("un giorno di una cifra resta") << 0 << "7"
                                                  << "7"
                                                  << "txtdata_0";
    QTest::newRow("mese 13 svuotato") << 1 << "13"
                                      << ""
                                      << "txtdata_1";
    QTest::newRow("mese 03 passa all'anno") << 1 << "03"
                                            << "03"
                                            << "txtdata_2";
    QTest::newRow("anno futuro svuotato") << 2 << "2025"
                                          << ""
                                          << "txtdata_2";
    QTest::newRow("anno 3000 svuotato") << 2 << "3000"
                                        << ""
                                        << "txtdata_2";
    QTest::newRow("anno giusto passa a OK") << 2 << "2010"
                                            << "2010"
                                            << "cmdData";
    QTest::newRow("lettere e segni scartati") << 0 << "a1/ -"
                                              << "1"
                                              << "txtdata_0";
    QTest::newRow("backspace") << 2 << "19\b"
                               << "1"
                               << "txtdata_2";
    QTest::newRow("solo due cifre nel giorno") << 0 << "123"
                                               << "12"
                                               << "txtdata_1";
}

void TestBirthday::digitazione()
{
    QFETCH(int, casella);
    QFETCH(QString, tasti);
    QFETCH(QString, resta);
    QFETCH(QString, focus);

    finestra->txtdata[casella]->setFocus();
    for (QChar c : tasti) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(finestra->txtdata[casella], Qt::Key_Backspace);
        else
            QTest::keyClicks(finestra->txtdata[casella], QString(c));
    }
    QCOMPARE(finestra->txtdata[casella]->text(), resta);
    QVERIFY(finestra->focusWidget());
    QCOMPARE(finestra->focusWidget()->objectName(), focus);
    QVERIFY(fake.dialogs->boxes.isEmpty());
}

void TestBirthday::soloCifreIncollando_data()
{
    QTest::addColumn<int>("casella");
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("appunti");
    QTest::addColumn<bool>("comeTesto");
    QTest::addColumn<QString>("dopo");

    QTest::newRow("cifre incollate") << 2 << ""
                                     << "1995" << false << "1995";
    QTest::newRow("lettere incollate") << 2 << "19"
                                       << "9x" << false << "19";
    QTest::newRow("data intera incollata") << 0 << ""
                                           << "12/05" << false << "";
    QTest::newRow("spazio incollato") << 1 << "1"
                                      << " " << false << "1";
    QTest::newRow("testo messo al posto") << 2 << "1995"
                                          << "abcd" << true << "1995";
    QTest::newRow("numero con segno") << 0 << ""
                                      << "-5" << true << "";
    QTest::newRow("cifre messe al posto") << 1 << ""
                                          << "7" << true << "7";
    QTest::newRow("troppe cifre incollate") << 0 << ""
                                            << "123" << false << "";
    QTest::newRow("troppe cifre messe al posto") << 2 << "2001"
                                                 << "20011" << true << "2001";
}

void TestBirthday::soloCifreIncollando()
{
    QFETCH(int, casella);
    QFETCH(QString, prima);
    QFETCH(QString, appunti);
    QFETCH(bool, comeTesto);
    QFETCH(QString, dopo);

    QLineEdit* box = finestra->txtdata[casella];
    box->setText(prima);
    box->setCursorPosition(prima.size());
    if (comeTesto)
        box->setText(appunti);
    else
        box->insert(appunti);
    QCOMPARE(box->text(), dopo);
}

void TestBirthday::okMostraIlRisultatoESuona_data()
{
    QTest::addColumn<bool>("suoni");
    QTest::addColumn<QString>("giorno");
    QTest::addColumn<int>("suonati");

    QTest::newRow("con i suoni") << true << "15" << 1;
    QTest::newRow("senza suoni") << false << "15" << 0;
    QTest::newRow("compleanno oggi, nessun suono") << true << "10" << 0;
}

void TestBirthday::okMostraIlRisultatoESuona()
{
    QFETCH(bool, suoni);
    QFETCH(QString, giorno);
    QFETCH(int, suonati);

    this->suoni.imposta(suoni);
    scrivi(0, giorno);
    scrivi(1, QStringLiteral("03"));
    scrivi(2, QStringLiteral("2010"));
    QCOMPARE(finestra->focusWidget(), finestra->cmdData);
    QTest::mouseClick(finestra->cmdData, Qt::LeftButton);

    const QStringList linee = finestra->lblDati->text().split(QLatin1Char('\n'));
    QCOMPARE(linee.size(), 3);
    if (giorno == QLatin1String("15")) {
        QCOMPARE(linee[0], QStringLiteral("Il tuo giorno di nascita è stato di: Lunedì"));
        QCOMPARE(linee[1], QStringLiteral("Oggi hai: 13 anni  11 mesi  24 giorni "));
        QCOMPARE(linee[2], mancano(5));
    } else {
        QCOMPARE(linee[2], kAuguri);
    }
    QCOMPARE(fake.sound->count(108), suonati);
    QVERIFY(fake.dialogs->boxes.isEmpty());
}

void TestBirthday::okConDatiSbagliati_data()
{
    QTest::addColumn<QString>("g");
    QTest::addColumn<QString>("m");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("annoDopo");

    QTest::newRow("mese vuoto") << "7"
                                << ""
                                << "2000"
                                << "txtdata_1"
                                << "2000";
    QTest::newRow("anno vuoto") << "7"
                                << "5"
                                << ""
                                << "txtdata_2"
                                << "";
    QTest::newRow("1849") << "10"
                          << "03"
                          << "1849"
                          << "txtdata_2"
                          << "";
    QTest::newRow("31/04/2000") << "31"
                                << "04"
                                << "2000"
                                << "cmdData"
                                << "2000";
    QTest::newRow("29/02/2001") << "29"
                                << "02"
                                << "2001"
                                << "cmdData"
                                << "2001";
    QTest::newRow("00/05/2000") << "00"
                                << "05"
                                << "2000"
                                << "cmdData"
                                << "2000";
    QTest::newRow("più avanti quest'anno") << "25"
                                           << "12"
                                           << "2024"
                                           << "cmdData"
                                           << "2024";
}

void TestBirthday::okConDatiSbagliati()
{
    QFETCH(QString, g);
    QFETCH(QString, m);
    QFETCH(QString, a);
    QFETCH(QString, focus);
    QFETCH(QString, annoDopo);

    finestra->txtdata[0]->setText(g);
    finestra->txtdata[1]->setText(m);
    finestra->txtdata[2]->setText(a);
    QTest::mouseClick(finestra->cmdData, Qt::LeftButton);

    QCOMPARE(fake.dialogs->boxes.size(), 1);
    const FakeDialogs::Box& b = fake.dialogs->boxes.first();
    QCOMPARE(b.title, QStringLiteral("Tempolino"));
    QCOMPARE(b.text, kErrore);
    QVERIFY(b.icon == Dialogs::Icon::Information);
    QVERIFY(b.buttons == Dialogs::Buttons::Ok);
    QCOMPARE(finestra->focusWidget()->objectName(), focus);
    QCOMPARE(finestra->txtdata[0]->text(), g);
    QCOMPARE(finestra->txtdata[1]->text(), m);
    QCOMPARE(finestra->txtdata[2]->text(), annoDopo);
    QVERIFY(finestra->lblDati->text().isEmpty());
    QCOMPARE(fake.sound->played.size(), 0);
}

void TestBirthday::modificaCancellaIlRisultato()
{
    finestra->txtdata[0]->setText(QStringLiteral("15"));
    finestra->txtdata[1]->setText(QStringLiteral("03"));
    finestra->txtdata[2]->setText(QStringLiteral("2010"));
    finestra->cmdData_Click();
    QVERIFY(!finestra->lblDati->text().isEmpty());
    QTest::keyClick(finestra->txtdata[1], Qt::Key_Backspace);
    QVERIFY(finestra->lblDati->text().isEmpty());
}

void TestBirthday::oggiVieneDalCalendario()
{
    // The same date of birth read on another day gives another age.
    fake.clock->date = QDate(2024, 3, 15);
    finestra->txtdata[0]->setText(QStringLiteral("15"));
    finestra->txtdata[1]->setText(QStringLiteral("03"));
    finestra->txtdata[2]->setText(QStringLiteral("2010"));
    finestra->cmdData_Click();
    QVERIFY(finestra->lblDati->text().contains(QStringLiteral("Oggi hai: 14 anni  0 mesi  0 giorni ")));
    QVERIFY(finestra->lblDati->text().endsWith(kAuguri));
}

QTEST_MAIN(TestBirthday)
#include "tst_birthday.moc"
