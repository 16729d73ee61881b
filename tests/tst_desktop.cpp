// SPDX-License-Identifier: GPL-3.0-or-later
// The desktops the program meets: its own scale on a scaled screen, its own looks under
// a dark colour scheme, Qt's texts in Italian, the primary screen for every window, the
// window system it runs on, a missing platform plugin, a maximize asked of a window of
// fixed size, and the main window restored from maximized.

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "AspettoProgramma.h"
#include "Contrasto.h"
#include "ControlloSchermo.h"
#include "FakePlatform.h"
#include "GuardiaFinestreFisse.h"
#include "RapportoSchermo.h"
#include "SceltaPiattaforma.h"
#include "TestWindow.h"
#include "TraduzioneQt.h"
#include "frmAbout.h"
#include "frmExt.h"
#include "frmMsg.h"
#include "frmPrint.h"
#include "frmSplashClock.h"
#include "modTempolino.h"

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void rapportoAdattoAlloSchermo_data();
    void rapportoAdattoAlloSchermo();
    void testiDiQtInItaliano_data();
    void testiDiQtInItaliano();
    void contrastoSottoUnTemaScuro_data();
    void contrastoSottoUnTemaScuro();
    void messaggioSulloSchermoPrimario_data();
    void messaggioSulloSchermoPrimario();
    void splashRotondoOvunque_data();
    void splashRotondoOvunque();
    void sceltaDellaPiattaforma_data();
    void sceltaDellaPiattaforma();
    void moduloGraficoMancante_data();
    void moduloGraficoMancante();
};

void TestDesktop::rapportoAdattoAlloSchermo_data()
{
    QTest::addColumn<QSize>("pixel");
    QTest::addColumn<double>("desktop");
    QTest::addColumn<double>("atteso");
    QTest::newRow("150% su 1280x800") << QSize(1280, 800) << 1.5 << 800.0 / 600.0;
    QTest::newRow("200% su 1920x1080") << QSize(1920, 1080) << 2.0 << 1.8;
    QTest::newRow("125% su 1920x1080 basta") << QSize(1920, 1080) << 1.25 << 1.25;
    QTest::newRow("200% su 3840x2160 basta") << QSize(3840, 2160) << 2.0 << 2.0;
    QTest::newRow("150% su 1024x768") << QSize(1024, 768) << 1.5 << 1.28;
    QTest::newRow("150% su 800x600: a 1") << QSize(800, 600) << 1.5 << 1.0;
    QTest::newRow("100% su 1280x800") << QSize(1280, 800) << 1.0 << 1.0;
    QTest::newRow("150% su 799x600: resta, e il messaggio") << QSize(799, 600) << 1.5 << 1.5;
}

void TestDesktop::rapportoAdattoAlloSchermo()
{
    QFETCH(QSize, pixel);
    QFETCH(double, desktop);
    QFETCH(double, atteso);
    const double r = RapportoSchermo::Adatto(pixel, desktop);
    QCOMPARE(r, atteso);
    // What Qt shows at that ratio is at least 800x600 whenever the pixels are.
    const QSize logici = (QSizeF(pixel) / r).toSize();
    if (pixel.width() >= 800 && pixel.height() >= 600)
        QVERIFY2(logici.width() >= 800 && logici.height() >= 600, qPrintable(QStringLiteral("%1x%2").arg(logici.width()).arg(logici.height())));
}

void TestDesktop::testiDiQtInItaliano_data()
{
    QTest::addColumn<QString>("contesto");
    QTest::addColumn<QString>("inglese");
    QTest::newRow("finestra dei file: Cerca in") << QStringLiteral("QFileDialog") << QStringLiteral("Look in:");
    QTest::newRow("finestra dei file: nome") << QStringLiteral("QFileDialog") << QStringLiteral("File &name:");
    QTest::newRow("finestra dei file: Salva") << QStringLiteral("QFileDialog") << QStringLiteral("&Save");
    QTest::newRow("pulsante Annulla") << QStringLiteral("QPlatformTheme") << QStringLiteral("Cancel");
    QTest::newRow("pulsante Salva") << QStringLiteral("QPlatformTheme") << QStringLiteral("Save");
}

void TestDesktop::testiDiQtInItaliano()
{
    QFETCH(QString, contesto);
    QFETCH(QString, inglese);
    QVERIFY2(QFile::exists(TraduzioneQt::File()), qPrintable(TraduzioneQt::File()));
    static const bool caricata = TraduzioneQt::Carica();
    QVERIFY(caricata);
    const QString tradotto = QCoreApplication::translate(contesto.toLatin1().constData(), inglese.toUtf8().constData());
    QVERIFY2(tradotto != inglese, qPrintable(tradotto));
    if (contesto == QLatin1String("QFileDialog")) {
        // Qt's own file dialog, as the save question shows it, carries the Italian text.
        QFileDialog dialogo;
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        QStringList testi;
        for (const QLabel* l : dialogo.findChildren<QLabel*>())
            testi << l->text();
        for (const QPushButton* b : dialogo.findChildren<QPushButton*>())
            testi << b->text();
        QVERIFY2(testi.contains(tradotto), qPrintable(testi.join(QLatin1Char('|'))));
        QVERIFY(!testi.contains(inglese));
    } else {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Cancel);
        const QMessageBox::StandardButton b = inglese == QLatin1String("Save") ? QMessageBox::Save : QMessageBox::Cancel;
        QCOMPARE(box.button(b)->text(), tradotto);
    }
}

namespace {

// The palette a dark desktop gives every program (as Adwaita's dark scheme does).
QPalette TavolozzaScura()
{
    QPalette p(QColor(0x35, 0x35, 0x35));
    for (const auto& [ruolo, colore] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, QColor(0x35, 0x35, 0x35)},
             {QPalette::WindowText, QColor(0xee, 0xee, 0xec)},
             {QPalette::Base, QColor(0x2d, 0x2d, 0x2d)},
             {QPalette::Text, QColor(0xff, 0xff, 0xff)},
             {QPalette::Button, QColor(0x35, 0x35, 0x35)},
             {QPalette::ButtonText, QColor(0xee, 0xee, 0xec)},
             {QPalette::Light, QColor(0x50, 0x50, 0x50)},
             {QPalette::Highlight, QColor(0x15, 0x53, 0x9e)}})
        p.setColor(ruolo, colore);
    return p;
}

std::unique_ptr<QWidget> FinestraLaterale(const QString& nome)
{
    if (nome == QLatin1String("frmExt")) {
        auto ext = std::make_unique<frmExt>();
        // A date typed and its result shown, as the child sees them.
        ext->txtdata[0]->setText(QStringLiteral("12"));
        ext->txtdata[1]->setText(QStringLiteral("3"));
        ext->txtdata[2]->setText(QStringLiteral("2015"));
        ext->cmdData_Click();
        return ext;
    }
    if (nome == QLatin1String("frmAbout")) {
        auto about = std::make_unique<frmAbout>();
        about->Form_Load();
        return about;
    }
    auto stampa = std::make_unique<frmPrint>();
    stampa->Form_Load();
    return stampa;
}

} // namespace

void TestDesktop::contrastoSottoUnTemaScuro_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QStringList>("coloriFissati");
    QTest::newRow("Curiosità") << QStringLiteral("frmExt") << QStringList{};
    // The information window's title: a grey copy under a white one, both of its design.
    QTest::newRow("informazioni") << QStringLiteral("frmAbout")
                                  << QStringList{QStringLiteral("Label1_0"), QStringLiteral("Label1_1")};
    // The print window's title is grey with a white shadow, both colours of its design.
    QTest::newRow("stampa") << QStringLiteral("frmPrint") << QStringList{QStringLiteral("Label5_0"), QStringLiteral("Label5_1")};
}

void TestDesktop::contrastoSottoUnTemaScuro()
{
    QFETCH(QString, finestra);
    QFETCH(QStringList, coloriFissati);
    FakePlatform::install();
    const QPalette primaDellaProva = QApplication::palette();
    // The desktop's dark scheme first, then the program's start-up.
    QApplication::setPalette(TavolozzaScura());
    AspettoProgramma::Applica();
    std::unique_ptr<QWidget> w = FinestraLaterale(finestra);
    w->show();
    int misurati = 0;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (!c->isVisible() || coloriFissati.contains(c->objectName()))
            continue;
        const bool conTesto = qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c);
        if (!conTesto || c->property("text").toString().trimmed().isEmpty())
            continue;
        const double contrasto = ContrastoTesto(c);
        QVERIFY2(contrasto >= 4.5, qPrintable(QStringLiteral("%1 \"%2\": %3:1")
                                                  .arg(c->objectName(), c->property("text").toString().left(30))
                                                  .arg(contrasto, 0, 'f', 2)));
        ++misurati;
    }
    QVERIFY(misurati >= 3);
    QApplication::setPalette(primaDellaProva);
}

void TestDesktop::messaggioSulloSchermoPrimario_data()
{
    QTest::addColumn<QPoint>("origine");
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<int>("codice");
    QTest::newRow("primario a destra di uno piccolo") << QPoint(1024, 0) << QSize(1920, 1080) << 0;
    QTest::newRow("primario a sinistra") << QPoint(0, 0) << QSize(1920, 1080) << 0;
    QTest::newRow("primario sotto, prova persa") << QPoint(0, 600) << QSize(1280, 1024) << 7;
    QTest::newRow("primario a destra, prova persa") << QPoint(1024, 0) << QSize(1920, 1080) << 7;
}

void TestDesktop::messaggioSulloSchermoPrimario()
{
    QFETCH(QPoint, origine);
    QFETCH(QSize, schermo);
    QFETCH(int, codice);
    FakePlatform fake = FakePlatform::install();
    fake.desktop->origin = origine;
    fake.desktop->screen = schermo;
    modTempolino::InizializzaMessaggi();
    modTempolino::CodiceMessaggio = static_cast<std::uint8_t>(codice);
    frmMsg msg;
    msg.Form_Load();
    const QRect primario(origine, schermo);
    QVERIFY2(primario.contains(msg.frameGeometry()), qPrintable(QStringLiteral("%1,%2").arg(msg.x()).arg(msg.y())));
    if (codice == 0)
        QVERIFY(qAbs(msg.frameGeometry().center().x() - primario.center().x()) <= 1);
}

void TestDesktop::splashRotondoOvunque_data()
{
    QTest::addColumn<bool>("formaDallaMaschera");
    QTest::newRow("X11: la maschera dà la forma") << true;
    QTest::newRow("Wayland: finestra trasparente fuori dal cerchio") << false;
}

void TestDesktop::splashRotondoOvunque()
{
    QFETCH(bool, formaDallaMaschera);
    FakePlatform fake = FakePlatform::install();
    fake.desktop->shapes = formaDallaMaschera;
    frmSplashClock* splash = frmSplashClock::istanza();
    splash->Form_Load();
    const QImage immagine = splash->grab().toImage();
    const bool mascherata = !splash->mask().isEmpty();
    const bool trasparente = splash->testAttribute(Qt::WA_TranslucentBackground);
    frmSplashClock::scarica();
    // The corner lies outside the circle: nothing of it is on the screen either way.
    QCOMPARE(mascherata, formaDallaMaschera);
    QCOMPARE(trasparente, !formaDallaMaschera);
    if (!formaDallaMaschera) {
        QCOMPARE(qAlpha(immagine.pixel(5, 5)), 0);
        QCOMPARE(qAlpha(immagine.pixel(200, 200)), 255);
    }
}

void TestDesktop::sceltaDellaPiattaforma_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QByteArray>("variabile");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("sessione");
    QTest::addColumn<QByteArray>("scelta");
    const QStringList nessuno{QStringLiteral("tempolino")};
    QTest::newRow("sessione Wayland") << nessuno << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland")
                                      << QByteArray("wayland;xcb");
    QTest::newRow("solo il compositore") << nessuno << QByteArray() << QByteArray("wayland-1") << QByteArray()
                                         << QByteArray("wayland;xcb");
    QTest::newRow("sessione X11") << nessuno << QByteArray() << QByteArray() << QByteArray("x11") << QByteArray();
    QTest::newRow("scelta dell'utente") << nessuno << QByteArray("xcb") << QByteArray("wayland-0")
                                        << QByteArray("wayland") << QByteArray();
    QTest::newRow("-platform sulla riga di comando")
        << QStringList{QStringLiteral("tempolino"), QStringLiteral("-platform"), QStringLiteral("xcb")} << QByteArray()
        << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray();
}

void TestDesktop::sceltaDellaPiattaforma()
{
    QFETCH(QStringList, argomenti);
    QFETCH(QByteArray, variabile);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, sessione);
    QFETCH(QByteArray, scelta);
    QCOMPARE(SceltaPiattaforma::Scelta(argomenti, variabile, waylandDisplay, sessione), scelta);
}

void TestDesktop::moduloGraficoMancante_data()
{
    QTest::addColumn<QStringList>("messaggiQt");
    QTest::addColumn<QString>("mancante");
    QTest::addColumn<QString>("pacchetto");
    QTest::newRow("Wayland non installato")
        << QStringList{QStringLiteral("Could not find the Qt platform plugin \"wayland\" in \"\"")}
        << QStringLiteral("wayland") << QStringLiteral("qt6-wayland");
    QTest::newRow("xcb non installato")
        << QStringList{QStringLiteral("Could not find the Qt platform plugin \"xcb\" in \"\"")}
        << QStringLiteral("xcb") << QStringLiteral("qt6-qpa-plugins");
    QTest::newRow("installato, senza schermo")
        << QStringList{QStringLiteral("could not connect to display"),
                       QStringLiteral("Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.")}
        << QString() << QString();
    QTest::newRow("Wayland mancante, xcb senza schermo")
        << QStringList{QStringLiteral("Could not find the Qt platform plugin \"wayland\" in \"\""),
                       QStringLiteral("Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.")}
        << QString() << QString();
}

void TestDesktop::moduloGraficoMancante()
{
    QFETCH(QStringList, messaggiQt);
    QFETCH(QString, mancante);
    QFETCH(QString, pacchetto);
    QCOMPARE(ControlloSchermo::ModuloMancante(messaggiQt), mancante);
    if (mancante.isEmpty())
        return;
    const QString riga = QString::fromLocal8Bit(ControlloSchermo::MessaggioModulo(mancante));
    QVERIFY(riga.startsWith(QStringLiteral("Tempolino: manca il modulo grafico")));
    QVERIFY(riga.contains(pacchetto));
    QVERIFY(!riga.contains(QLatin1Char('\n')));
    QVERIFY(!riga.contains(QStringLiteral("schermo")));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
