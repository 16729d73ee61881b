// SPDX-License-Identifier: GPL-3.0-or-later
// The final test: the plan of nine questions with their numeral styles, the row
// of clocks and its ticks, one error allowed, the lost test, leaving with "Esci",
// and the print window that nine right answers open.

#include <QPointer>
#include <QtTest>

#include "ArrotondaPari.h"
#include "TestWindow.h"
#include "frmClock.h"
#include "frmMsg.h"
#include "frmPrint.h"
#include "modTempolino.h"

namespace {

// How the print window is left when the test opens it.
enum class Uscita { ChiudiSi, ChiudiNoPoiSi, Stampa };

// The program on the stand-in platform, with a child who answers as told.
struct Prova {
    TestWindow tw;
    frmClock* w;
    PictureBox* picTest;         // the exercise area, where the row of clocks is painted
    QWidget* lblPremiOK;         // the prompt, over the row
    QVector<int> messaggi;       // codes of the message windows, in order
    QStringList modali;          // every modal window
    int spunteAlMessaggio8 = -1; // ticks on the row when "nove risposte esatte" shows
    Uscita uscita = Uscita::ChiudiSi;
    QPointer<frmPrint> stampa; // the last print window opened
    bool stampaModale = false;
    bool stampaAppenaAperta = false; // Arabic numerals, minute numbers, empty names
    QVector<QImage> orologiVuoti;    // the row as first painted, clock by clock

    explicit Prova(QSize schermo = QSize(1024, 768))
        : tw(schermo), w(tw.w), picTest(tw.c<PictureBox>("picTest")), lblPremiOK(tw.c("lblPremiOK"))
    {
        tw.fake.dialogs->onModal = [this](QDialog& d) { return suModale(d); };
    }

    int suModale(QDialog& d)
    {
        modali << d.objectName();
        if (qobject_cast<frmMsg*>(&d)) {
            messaggi << modTempolino::CodiceMessaggio;
            if (modTempolino::CodiceMessaggio == 8)
                spunteAlMessaggio8 = spunte();
            return 1;
        }
        if (auto* f = qobject_cast<frmPrint*>(&d)) {
            stampa = f;
            stampaModale = f->isModal() && f->isVisible();
            stampaAppenaAperta = f->optStileQuadrante[0]->isChecked() && f->chkPrintMinuti->isChecked()
                && f->txtDati[0]->text().isEmpty() && f->txtDati[1]->text().isEmpty();
            switch (uscita) {
            case Uscita::ChiudiSi:
                tw.fake.dialogs->answers.push_back(Dialogs::Yes);
                f->cmdEsci->click();
                break;
            case Uscita::ChiudiNoPoiSi:
                tw.fake.dialogs->answers.push_back(Dialogs::No);
                f->cmdEsci->click();
                if (!f->isVisible())
                    return -1; // closed although the child said No
                tw.fake.dialogs->answers.push_back(Dialogs::Yes);
                f->cmdEsci->click();
                break;
            case Uscita::Stampa:
                f->txtDati[0]->setText(QStringLiteral("Zoë"));
                f->cmdStampa->click();
                break;
            }
            // Still open here means the window did not close by itself.
            return f->isVisible() ? -1 : f->result();
        }
        return 1;
    }

    // ---- the progress row

    QRect riquadro(int k) const // clock k (1 to 9), in the image's pixels
    {
        const qreal dpr = picTest->image().devicePixelRatio();
        const int x0 = ArrotondaPari(lblPremiOK->x());
        const QRect r(x0 + (k - 1) * 28, lblPremiOK->y() + 20, 16, 16);
        return QRect(QPoint(qRound(r.x() * dpr), qRound(r.y() * dpr)), r.size() * dpr);
    }
    QImage orologio(int k) const { return picTest->image().copy(riquadro(k)); }
    void ricordaRiga()
    {
        orologiVuoti.clear();
        for (int k = 1; k <= 9; ++k)
            orologiVuoti << orologio(k);
    }
    // How many clocks carry a tick: the first ones differ from the row as painted, all alike.
    int spunte() const
    {
        if (orologiVuoti.size() != 9)
            return -1;
        int n = 0;
        while (n < 9 && orologio(n + 1) != orologiVuoti[n])
            ++n;
        for (int k = n + 1; k <= 9; ++k)
            if (orologio(k) != orologiVuoti[k - 1])
                return -1; // a tick out of order
        for (int k = 2; k <= n; ++k)
            if (orologio(k) != orologio(1))
                return -1; // ticks not alike, or not 28 pixels apart
        return n;
    }

    // ---- the child

    void inizia()
    {
        tw.c<QToolButton>("cmdTest")->click();
        messaggi.clear();
        modali.clear();
        tw.c<OptionGroup>("grpTest")->select(3);
        ricordaRiga();
    }

    // Answers the question on screen, right or wrong, and presses "OK!".
    void rispondi(bool giusta)
    {
        const TipoDomanda tipo = EserciziDi(w)->tipoEsercizio();
        if (tipo == TipoDomanda::Lettura) {
            const int t = static_cast<int>(w->stato()->TempoCorrente());
            const int ore = (t / 3600 + (giusta ? 0 : 1)) % 24;
            tw.casella(0)->setText(QString::number(ore));
            tw.casella(1)->setText(QString::number(t % 3600 / 60));
        } else {
            int H = 0, M = 0;
            if (tipo == TipoDomanda::Impostazione) {
                H = tw.casella(0)->text().toInt();
                M = tw.casella(1)->text().toInt();
            } else {
                const QString hhmm = tw.c("lblModiDiDire")->property("Tag").toString();
                H = hhmm.left(2).toInt();
                M = hhmm.mid(2, 2).toInt();
            }
            const int t = (H * 3600 + M * 60 + (giusta ? 0 : 3600)) % 86400;
            w->stato()->MostraOra(static_cast<float>(t));
        }
        tw.c<QPushButton>("cmdVerificaTest")->click();
    }

    bool areaChiusa() const { return picTest->isHidden() && !tw.c("picAnalogic")->isHidden(); }
    bool stiliLiberi() const
    {
        return tw.c("optStyleNum_0")->isEnabled() && tw.c("optStyleNum_1")->isEnabled()
            && tw.c("optStyleNum_2")->isEnabled();
    }
};

} // namespace

Q_DECLARE_METATYPE(Uscita)

class TestProvaFinale : public QObject {
    Q_OBJECT

private slots:
    void init() { flushDeletes(); }

    // Reading, setting by figures, setting by sayings; Arabic, Roman, dots in each trio,
    // the other two numeral buttons locked, the other kinds out of reach.
    void piano()
    {
        Prova p;
        p.inizia();
        QCOMPARE(p.messaggi, QVector<int>{6});
        QCOMPARE(p.spunte(), 0);
        const int tipi[9] = {0, 0, 0, 1, 1, 1, 2, 2, 2};
        const int stili[9] = {1, 2, 0, 1, 2, 0, 1, 2, 0};
        for (int k = 0; k < 9; ++k) {
            const QByteArray passo = QByteArray::number(k);
            QCOMPARE(EserciziDi(p.w)->passoProva(), k);
            QCOMPARE(static_cast<int>(EserciziDi(p.w)->tipoEsercizio()), tipi[k]);
            QVERIFY2(p.tw.c<OptionGroup>("grpStyleNum")->isSelected(stili[k]), passo);
            for (int s = 0; s < 3; ++s)
                QCOMPARE(p.tw.c("optStyleNum", s)->isEnabled(), s == stili[k]);
            QVERIFY(!p.tw.c("optTest_0")->isEnabled() && !p.tw.c("optTest_1")->isEnabled()
                    && !p.tw.c("optTest_2")->isEnabled());
            QVERIFY(p.tw.c("cmdExitTest")->isEnabled());
            QCOMPARE(p.tw.c("imgSpunta")->y(), p.tw.c("optTest_3")->y());
            if (tipi[k] == 0)
                QVERIFY2(p.w->focusWidget() == p.tw.casella(0), passo);
            QCOMPARE(p.spunte(), k);
            p.rispondi(true);
        }
        // Nine ticks before the success message, then the print window at once, modally.
        QCOMPARE(p.messaggi, (QVector<int>{6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8}));
        QCOMPARE(p.spunteAlMessaggio8, 9);
        QCOMPARE(p.modali.last(), QStringLiteral("frmPrint"));
        QVERIFY(p.stampaModale);
        QVERIFY(p.stampaAppenaAperta);
        // Closing it closes the exercise area; the window is released; every style is free again.
        QVERIFY(p.stampa.isNull());
        QVERIFY(p.areaChiusa());
        QVERIFY(p.stiliLiberi());
    }

    // The row as the child sees it: every clock and every tick whole, all 16 rows of
    // each, not covered by the prompt's label above them.
    void rigaIntera_data()
    {
        QTest::addColumn<QSize>("schermo");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1024x768") << QSize(1024, 768);
    }
    void rigaIntera()
    {
        QFETCH(QSize, schermo);
        Prova p(schermo);
        p.inizia();
        p.rispondi(true);
        p.rispondi(true);
        QCOMPARE(p.spunte(), 2);
        const QImage schermata = p.picTest->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage disegno = p.picTest->image().convertToFormat(QImage::Format_RGB32);
        const QColor fondo = p.picTest->backColor();
        for (int k = 1; k <= 9; ++k) {
            const QRect r = p.riquadro(k);
            for (int y = r.top(); y <= r.bottom(); ++y) {
                bool disegnata = false;
                for (int x = r.left(); x <= r.right(); ++x) {
                    QCOMPARE(schermata.pixelColor(x, y), disegno.pixelColor(x, y));
                    disegnata = disegnata || disegno.pixelColor(x, y) != fondo;
                }
                // Every row of a clock has something of the picture in it.
                QVERIFY2(disegnata, qPrintable(QStringLiteral("clock %1, row %2").arg(k).arg(y - r.top())));
            }
        }
    }

    void unErrorePermesso_data()
    {
        QTest::addColumn<int>("errore");
        for (int k : {0, 4, 8})
            QTest::addRow("error at question %d", k + 1) << k;
    }
    void unErrorePermesso()
    {
        QFETCH(int, errore);
        Prova p;
        p.inizia();
        for (int k = 0; k < 9; ++k) {
            if (k == errore) {
                p.rispondi(false);
                QCOMPARE(p.messaggi.last(), 9);
                QCOMPARE(EserciziDi(p.w)->passoProva(), k);
                QVERIFY(EserciziDi(p.w)->erroreCommesso());
            }
            p.rispondi(true);
        }
        QCOMPARE(p.messaggi.count(9), 1);
        QCOMPARE(p.messaggi.last(), 8);
        QCOMPARE(p.spunteAlMessaggio8, 9);
        QVERIFY(p.modali.contains(QStringLiteral("frmPrint")));
        QVERIFY(p.areaChiusa());
    }

    void dueErrori_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("secondo");
        QTest::newRow("twice the same reading question") << 1 << 1;
        QTest::newRow("twice the same saying") << 7 << 7;
        QTest::newRow("two different questions") << 2 << 5;
        QTest::newRow("the first and the last") << 0 << 8;
    }
    void dueErrori()
    {
        QFETCH(int, primo);
        QFETCH(int, secondo);
        Prova p;
        p.inizia();
        int k = 0;
        for (; k < secondo; ++k) {
            if (k == primo)
                p.rispondi(false);
            p.rispondi(true);
        }
        if (primo == secondo)
            p.rispondi(false);
        QCOMPARE(p.spunte(), k);
        p.rispondi(false);

        QCOMPARE(p.messaggi.last(), 7);
        QCOMPARE(p.messaggi.count(9), 1);
        QVERIFY(!p.messaggi.contains(8));
        QVERIFY(!p.modali.contains(QStringLiteral("frmPrint")));
        QVERIFY(EserciziDi(p.w)->faseProva() == FaseProva::Persa);
        QCOMPARE(EserciziDi(p.w)->passoProva(), k);
        // The area closes: back to the current time, the row gone, every button usable.
        QVERIFY(p.areaChiusa());
        QVERIFY(p.stiliLiberi());
        QVERIFY(p.tw.c<QTimer>("tmrClock")->isActive());
        QVERIFY(p.tw.c<QToolButton>("optCtrTime_1")->isChecked());
    }

    // "Esci" during the test clears the row; the next test starts from nothing.
    void esciDuranteLaProva()
    {
        Prova p;
        p.inizia();
        p.rispondi(false);
        p.rispondi(true);
        p.rispondi(true);
        p.rispondi(true);
        QCOMPARE(p.spunte(), 3);
        QVERIFY(!p.stiliLiberi());

        p.tw.c<QPushButton>("cmdExitTest")->click();
        QVERIFY(p.areaChiusa());
        QVERIFY(p.stiliLiberi());
        QVERIFY(!p.modali.contains(QStringLiteral("frmPrint")));

        p.tw.c<QToolButton>("cmdTest")->click();
        // Nothing of the row is left on the area.
        for (int k = 1; k <= 9; ++k)
            QVERIFY(p.orologio(k) != p.orologiVuoti[k - 1]);
        p.messaggi.clear();
        p.tw.c<OptionGroup>("grpTest")->select(3);
        QCOMPARE(p.messaggi, QVector<int>{6});
        QCOMPARE(EserciziDi(p.w)->passoProva(), 0);
        QVERIFY(!EserciziDi(p.w)->erroreCommesso());
        // Nine empty clocks again, and one error is allowed again.
        QCOMPARE(p.spunte(), 0);
        p.rispondi(false);
        QCOMPARE(p.messaggi.last(), 9);
        QCOMPARE(EserciziDi(p.w)->passoProva(), 0);
    }

    void finestraDiStampa_data()
    {
        QTest::addColumn<Uscita>("uscita");
        QTest::addColumn<int>("domande");
        QTest::addColumn<int>("pagine");
        QTest::newRow("closed with Yes") << Uscita::ChiudiSi << 1 << 0;
        QTest::newRow("No keeps it, then Yes") << Uscita::ChiudiNoPoiSi << 2 << 0;
        QTest::newRow("printed") << Uscita::Stampa << 0 << 1;
    }
    void finestraDiStampa()
    {
        QFETCH(Uscita, uscita);
        QFETCH(int, domande);
        QFETCH(int, pagine);
        Prova p;
        p.uscita = uscita;
        p.inizia();
        for (int k = 0; k < 9; ++k)
            p.rispondi(true);
        QVERIFY(p.modali.contains(QStringLiteral("frmPrint")));
        int chiesto = 0;
        for (const auto& b : p.tw.fake.dialogs->boxes)
            chiesto += b.text.startsWith(QStringLiteral("Attenzione: l'orologio non è stato stampato!"));
        QCOMPARE(chiesto, domande);
        QCOMPARE(p.tw.fake.printers->printed.size(), pagine);
        QVERIFY(p.stampa.isNull());
        QVERIFY(p.areaChiusa());

        // Passing once does not open printing later; a new pass opens a new window.
        p.inizia();
        QCOMPARE(p.spunte(), 0);
        p.modali.clear();
        for (int k = 0; k < 9; ++k)
            p.rispondi(true);
        QCOMPARE(p.modali.count(QStringLiteral("frmPrint")), 1);
        QVERIFY(p.stampaAppenaAperta);
    }
};

QTEST_MAIN(TestProvaFinale)
#include "tst_provafinale.moc"
