// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the cut-out sheet as a PDF when the disk says no, on real file-system
// conditions: a folder that is gone, a folder this user may not write, a disk that
// can only be read, a full disk (also when only part of the file fits), a file of
// that name that may not be replaced. Each message is read back as the print window
// shows it: plain Italian, what happened and what to do, no system text; nothing is
// left half-written and an older file stays as it was. Then the save question
// itself: Qt's file dialog leaves nothing in the user's configuration.
//
// The disks are made for the test (a small memory disk, a read-only view of a
// folder) and need root, as CI runs; elsewhere those rows are skipped.

#include <QFileDialog>
#include <QSettings>
#include <QtTest>
#include <functional>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <unistd.h>

#include "FakePlatform.h"
#include "SystemPlatform.h"
#include "frmPrint.h"

namespace {

// What a row does to its folder before the save, and undoes after it.
struct Situazione {
    std::function<bool(const QString& cartella)> prepara;
    std::function<void(const QString& cartella)> disfa;
    bool serveRoot = false;
};

const QByteArray kVecchio("il disegno di ieri");

bool ScriviVecchio(const QString& cartella)
{
    QFile f(cartella + QStringLiteral("/orologio.pdf"));
    return f.open(QIODevice::WriteOnly) && f.write(kVecchio) == kVecchio.size();
}

// A small memory disk on the folder.
bool Monta(const QString& cartella, unsigned long modo = 0)
{
    return ::mount("tempolino-test", QFile::encodeName(cartella).constData(), "tmpfs", modo, "size=256k") == 0;
}

void Smonta(const QString& cartella)
{
    ::umount2(QFile::encodeName(cartella).constData(), MNT_DETACH);
}

// A small memory disk whose free room is filled up to `libero` bytes.
Situazione DiscoPiccolo(qint64 libero)
{
    return {[libero](const QString& c) {
                if (!Monta(c))
                    return false;
                QFile riempi(c + QStringLiteral("/riempitivo"));
                if (!riempi.open(QIODevice::WriteOnly))
                    return false;
                // Everything but `libero` (in whole pages, as the disk counts).
                riempi.write(QByteArray(256 * 1024 - libero, 'x'));
                riempi.close();
                return true;
            },
            Smonta, true};
}

QStringList Contenuto(const QString& cartella)
{
    return QDir(cartella).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(Situazione)

class TestSalvataggio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The user's configuration of this test: the save question must leave it empty.
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    }

    void erroriDelDisco_data();
    void erroriDelDisco();
    void domandaSenzaImpostazioni();

private:
    QTemporaryDir m_home;
};

void TestSalvataggio::erroriDelDisco_data()
{
    QTest::addColumn<Situazione>("situazione");
    QTest::addColumn<QString>("nome");      // the file chosen, inside the row's folder
    QTest::addColumn<bool>("cera");         // an older file of that name is there
    QTest::addColumn<QString>("messaggio"); // %1: the folder, as shown

    const auto nulla = [](const QString&) { return true; };
    const auto niente = [](const QString&) {};
    QTest::newRow("folder that is gone")
        << Situazione{nulla, niente} << "sparita/orologio.pdf" << false
        << "La cartella «%1/sparita» non esiste (forse è stata spostata o cancellata): scegline un'altra.";
    QTest::newRow("a folder of that name")
        << Situazione{[](const QString& c) { return QDir(c).mkdir(QStringLiteral("orologio.pdf")); }, niente}
        << "orologio.pdf" << false << "Con quel nome c'è già una cartella: scegli un altro nome per il file.";
    QTest::newRow("folder this user may not write")
        << Situazione{[](const QString&) {
                          // This thread checks the disk as an ordinary user would.
                          ::setfsuid(65534);
                          return true;
                      },
                      [](const QString&) { ::setfsuid(0); }, true}
        << "orologio.pdf" << false
        << "Non hai il permesso di scrivere nella cartella «%1»: scegline un'altra, per esempio la cartella "
           "Documenti.";
    QTest::newRow("disk that can only be read")
        << Situazione{[](const QString& c) { return Monta(c, MS_RDONLY); }, Smonta, true} << "orologio.pdf" << false
        << "La cartella «%1» è su un disco che si può solo leggere: scegli una cartella su un altro disco (se è "
           "una chiavetta, controlla che non sia protetta dalla scrittura).";
    const QString pieno = QStringLiteral("Sul disco non c'è abbastanza spazio per il file: libera un po' di spazio, "
                                         "oppure scegli una cartella su un altro disco.");
    QTest::newRow("full disk") << DiscoPiccolo(0) << "orologio.pdf" << false << pieno;
    QTest::newRow("only part of the file fits") << DiscoPiccolo(24 * 1024) << "orologio.pdf" << false << pieno;
    QTest::newRow("full disk, an older file kept") << DiscoPiccolo(24 * 1024) << "orologio.pdf" << true << pieno;
    QTest::newRow("a file that may not be replaced")
        << Situazione{[](const QString& c) {
                          return ScriviVecchio(c)
                              && QFile::setPermissions(c + QStringLiteral("/orologio.pdf"),
                                                       QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
                      },
                      niente}
        << "orologio.pdf" << true
        << "C'è già un file «orologio.pdf» e non si può sostituire (è protetto dalla scrittura): scegli un altro "
           "nome per il file.";
}

void TestSalvataggio::erroriDelDisco()
{
    QFETCH(Situazione, situazione);
    QFETCH(QString, nome);
    QFETCH(bool, cera);
    QFETCH(QString, messaggio);
    if (situazione.serveRoot && ::geteuid() != 0)
        QSKIP("the disk's conditions are made as root");

    FakePlatform fake = FakePlatform::install();
    QTemporaryDir base;
    // Open to every user, as a home folder's subfolders are, so that only the row's
    // own condition stands in the way.
    QVERIFY(QFile::setPermissions(base.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                      | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    const QString cartella = base.filePath(QStringLiteral("qui"));
    QVERIFY(QDir().mkpath(cartella));
    if (!situazione.prepara(cartella)) {
        situazione.disfa(cartella);
        QSKIP("this machine cannot make the disk of this row");
    }
    // An older file, on the disk of the row.
    if (cera && !QFileInfo::exists(cartella + QStringLiteral("/orologio.pdf")))
        QVERIFY(ScriviVecchio(cartella));
    const QStringList prima = Contenuto(cartella);

    const QString scelto = QDir(cartella).filePath(nome);
    fake.dialogs->saveAnswers = {scelto};
    {
        frmPrint f;
        f.show();
        f.cmdSalvaPdf->click();
        QVERIFY(f.isVisible());
        QVERIFY(!f.Stampato);
    }
    const QStringList dopo = Contenuto(cartella);
    QFile vecchioFile(cartella + QStringLiteral("/orologio.pdf"));
    const QByteArray rimasto = cera && vecchioFile.open(QIODevice::ReadOnly) ? vecchioFile.readAll() : QByteArray();
    situazione.disfa(cartella);

    QCOMPARE(fake.dialogs->boxes.size(), 1);
    QCOMPARE(fake.dialogs->boxes[0].icon, Dialogs::Icon::Stop);
    QCOMPARE(fake.dialogs->boxes[0].text,
             QStringLiteral("L'orologio non è stato salvato.\r\n")
                 + (messaggio.contains(QLatin1String("%1")) ? messaggio.arg(QDir::toNativeSeparators(cartella))
                                                            : messaggio));
    // Nothing half-written beside it, and the older file as it was.
    QCOMPARE(dopo, prima);
    if (cera)
        QCOMPARE(rimasto, kVecchio);
}

void TestSalvataggio::domandaSenzaImpostazioni()
{
    // Qt's file dialog keeps its last folder and history in the user's settings when it
    // closes; the program keeps nothing between runs.
    QTemporaryDir cartella;
    const QString proposto = cartella.filePath(QStringLiteral("Orologio da ritagliare.pdf"));
    RealDialogs dialoghi;
    bool visto = false;
    std::function<void()> rispondi;
    rispondi = [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d) {
            QTimer::singleShot(10, rispondi);
            return;
        }
        visto = true;
        static_cast<QDialog*>(d)->accept();
    };
    QTimer::singleShot(0, rispondi);
    const QString scelto = dialoghi.saveFileName(nullptr, QStringLiteral("Salva l'orologio come PDF"), proposto,
                                                 QStringLiteral("Documenti PDF (*.pdf)"));
    QVERIFY(visto);
    QCOMPARE(QFileInfo(scelto).fileName(), QStringLiteral("Orologio da ritagliare.pdf"));
    QCOMPARE(Contenuto(m_home.path()), QStringList());
    // Settings asked for after the question are the user's own again.
    QCOMPARE(QSettings(QSettings::UserScope, QStringLiteral("Prova")).fileName(),
             m_home.filePath(QStringLiteral(".config/Prova.conf")));
}

QTEST_MAIN(TestSalvataggio)
#include "tst_salvataggio.moc"
