// SPDX-License-Identifier: GPL-3.0-or-later
// A whole day of the program on the stand-in clock: a tick every 200 ms for 24
// hours, every change of hour, the map opened and closed, every exercise kind
// answered right and wrong, the side windows opened and closed a hundred times.
// Memory must stay flat, no window may be left behind, and the clock must still
// be running at the end.

#include <QFile>
#include <QtTest>

#include "TestWindow.h"
#include "frmClock.h"

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void aWholeDay();
};

namespace {

long residentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith("VmRSS:"))
            return riga.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Answers the question on screen right (giusta) or wrong.
void rispondi(const TestWindow& tw, bool giusta)
{
    frmClock* w = tw.w;
    const TipoDomanda tipo = EserciziDi(w)->tipoEsercizio();
    if (tipo == TipoDomanda::Lettura) {
        const int T = static_cast<int>(w->stato()->TempoCorrente());
        const int ore = (T / 3600 + (giusta ? 0 : 1)) % 24;
        tw.casella(0)->setText(QString::number(ore));
        tw.casella(1)->setText(QString::number(T % 3600 / 60));
    } else {
        int ore = 0, minuti = 0;
        if (tipo == TipoDomanda::Impostazione) {
            ore = tw.casella(0)->text().toInt();
            minuti = tw.casella(1)->text().toInt();
        } else {
            const QString orario = tw.c("lblModiDiDire")->property("Tag").toString();
            ore = orario.left(2).toInt();
            minuti = orario.right(2).toInt();
        }
        if (!giusta)
            ore = (ore + 12) % 24;
        w->stato()->MostraOra(static_cast<float>(ore * 3600 + minuti * 60));
    }
    EserciziDi(w)->cmdVerificaTest_Click();
}

void esercizi(const TestWindow& tw)
{
    tw.c<QToolButton>("cmdTest")->click();
    for (int tipo = 0; tipo < 3; ++tipo) {
        tw.c<OptionGroup>("grpTest")->select(tipo);
        rispondi(tw, false);
        rispondi(tw, true);
    }
    tw.c<QPushButton>("cmdExitTest")->click();
}

} // namespace

void TestSoak::aWholeDay()
{
    TestWindow tw(QSize(1024, 768), 0);
    frmClock* w = tw.w;
    QVERIFY(w);
    QTimer* tmrClock = tw.c<QTimer>("tmrClock");
    QToolButton* chkFusiOrari = tw.c<QToolButton>("chkFusiOrari");
    int finestreAperte = 0;
    long memoriaDopoLaPrimaOra = 0;
    qsizetype oggettiDopoLaPrimaOra = 0;

    // The clock ticks by itself as the stand-in time runs.
    for (int passo = 1; passo <= 24 * 3600 * 5; ++passo) {
        tw.fake.clock->advance(0.2);
        const int secondo = passo / 5;
        if (passo % 5 != 0)
            continue;
        // Within each hour: the map at :10, closed at :20; exercises at :30 every other
        // hour; the side windows at :40 and :50.
        switch (secondo % 3600) {
        case 600:
            chkFusiOrari->setChecked(true);
            break;
        case 1200:
            chkFusiOrari->setChecked(false);
            break;
        case 1800:
            if ((secondo / 3600) % 2 == 0)
                esercizi(tw);
            break;
        case 2400:
        case 3000:
            for (int i = 0; i < 2 && finestreAperte < 100; ++i, ++finestreAperte)
                tw.c<QToolButton>(i == 0 ? "cmdCuriosità" : "cmdAbout")->click();
            break;
        default:
            break;
        }
        flushDeletes();
        if (secondo == 3600 + 3500) {
            memoriaDopoLaPrimaOra = residentKb();
            oggettiDopoLaPrimaOra = w->findChildren<QObject*>().size();
        }
    }

    QVERIFY(finestreAperte >= 96);
    QVERIFY(tw.fake.dialogs->modalShown.count(QStringLiteral("frmExt")) >= 48);
    QVERIFY(tw.fake.dialogs->modalShown.count(QStringLiteral("frmMsg")) >= 12 * 6);
    // The clock follows the computer again and every window of the day has gone.
    QVERIFY(tmrClock->isActive());
    QVERIFY(tw.c<OptionGroup>("grpCtrTime")->isSelected(1));
    QCOMPARE(w->findChildren<QObject*>().size(), oggettiDopoLaPrimaOra);
    int visibili = 0;
    for (QWidget* t : QApplication::topLevelWidgets())
        visibili += t->isVisible() ? 1 : 0;
    QCOMPARE(visibili, 1);
    const long crescita = residentKb() - memoriaDopoLaPrimaOra;
    qInfo("resident memory after the first hour %ld kB, growth over the day %ld kB", memoriaDopoLaPrimaOra, crescita);
    QVERIFY2(crescita < 4096, qPrintable(QStringLiteral("memory grew by %1 kB").arg(crescita)));
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
