// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemPlatform.h"

#include "ScatolaMessaggio.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTime>
#include <utility>

#include "RealSpeech.h"
#if TEMPOLINO_PULSE
#include "RealSoundPlayer.h"
#else
#include "QtSoundPlayer.h"
#endif
#include "Risorse.h"

void Platform::useSystem()
{
    clock = std::make_unique<RealClock>();
    random = std::make_unique<RealRandom>();
#if TEMPOLINO_PULSE
    sound = std::make_unique<RealSoundPlayer>();
#else
    sound = std::make_unique<QtSoundPlayer>();
#endif
    dialogs = std::make_unique<RealDialogs>();
    desktop = std::make_unique<RealDesktop>();
    instance = std::make_unique<RealInstanceGuard>();
    printers = std::make_unique<RealPrinters>();
    speech = std::make_unique<RealSpeech>();
}

namespace {
// Not an owner: the platform belongs to whoever made it current.
Platform* g_corrente = nullptr;
} // namespace

Platform& platform()
{
    if (!g_corrente) {
        // Without an owner the platform lives as long as the process and is never
        // destroyed, so no Qt object of it is torn down after Qt's own.
        auto* p = new Platform;
        p->useSystem();
        g_corrente = p;
    }
    return *g_corrente;
}

PiattaformaCorrente::PiattaformaCorrente(Platform& p) : m_precedente(g_corrente)
{
    g_corrente = &p;
}

PiattaformaCorrente::~PiattaformaCorrente()
{
    g_corrente = m_precedente;
}

double RealClock::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QDate RealClock::today()
{
    return QDate::currentDate();
}

double RealClock::elapsedSeconds()
{
    // QElapsedTimer runs on the system's monotonic clock where there is one.
    if (!m_partenza.isValid())
        m_partenza.start();
    return m_partenza.nsecsElapsed() / 1e9;
}

void RealRandom::reseed()
{
    m_gen.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

double RealRandom::next()
{
    return m_gen.generateDouble();
}

int RealDialogs::messageBox(QWidget* parent, Icon icon, const QString& title, const QString& text, Buttons buttons)
{
    ScatolaMessaggio box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(icon == Icon::Information ? QMessageBox::Information
                    : icon == Icon::Stop  ? QMessageBox::Critical
                                          : QMessageBox::Question);
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sì"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Annulla"));
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    case QMessageBox::Cancel:
        return Cancel;
    default:
        return Ok;
    }
}

int RealDialogs::execModal(QDialog& dialog)
{
    return dialog.exec();
}

QString RealDialogs::saveFileName(QWidget* parent, const QString& title, const QString& proposed,
                                  const QString& nameFilter)
{
    // Qt's file dialog keeps its history, last folder and looks in the user's settings
    // ("QtProject.conf") when it closes. The program keeps nothing between runs: while
    // the dialog lives, Qt's user settings point to a folder of its own, which goes
    // with it.
    QTemporaryDir impostazioni;
    if (impostazioni.isValid()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impostazioni.path());
    }
    QString scelto;
    {
        // Qt's file dialog (the desktop's own where Qt has one for it): it asks before
        // writing over a file that exists.
        QFileDialog dialogo(parent, title);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setFileMode(QFileDialog::AnyFile);
        dialogo.setNameFilter(nameFilter);
        const QFileInfo proposta(proposed);
        dialogo.setDefaultSuffix(proposta.suffix());
        dialogo.setDirectory(proposta.absolutePath());
        dialogo.selectFile(proposta.fileName());
        if (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty())
            scelto = dialogo.selectedFiles().constFirst();
    }
    const QString utente = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, utente);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, utente);
    return scelto;
}

QSize RealDesktop::screenSize()
{
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->size();
    return {};
}

QRect RealDesktop::screenGeometry()
{
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->geometry();
    return {};
}

bool RealDesktop::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

namespace {
bool SuWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
} // namespace

void RealDesktop::moveCursor(const QPoint& global)
{
    // Wayland leaves the pointer to the user alone: Qt would only warn.
    if (SuWayland())
        return;
    QCursor::setPos(global);
}

bool RealDesktop::shapesAndPlacesWindows()
{
    return !SuWayland();
}

QString RealDesktop::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString RealInstanceGuard::lockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return dir + QStringLiteral("/tempolino.lock");
}

QString RealInstanceGuard::usablePath()
{
    // The lock is only ever taken on a plain file or on a name where nothing stands yet:
    // never through a link (its target may belong to anything) and never on a folder.
    // When the usual name is taken by something else, the next name is tried; every copy
    // of the program walks the same names, so two copies still meet on the same lock.
    const QString base = lockPath();
    for (int i = 0; i < 10; ++i) {
        const QString path = i == 0 ? base : base + QStringLiteral(".%1").arg(i);
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return path;
        if (info.isFile() && !info.isSymLink())
            return path;
    }
    return {};
}

bool RealInstanceGuard::claim()
{
    const QString path = usablePath();
    // No name fit for a lock at all: nothing can tell a second copy, so this one runs.
    if (path.isEmpty())
        return true;
    m_lock = std::make_unique<QLockFile>(path);
    // A lock left by a crashed run names a process that no longer exists;
    // QLockFile sees that and takes the lock over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError) {
        // Held by a running copy, or left by one that is gone (the lock says which).
        if (m_lock->removeStaleLockFile() && m_lock->tryLock(0))
            return true;
        qint64 pid = 0;
        QString host, app;
        if (m_lock->getLockInfo(&pid, &host, &app))
            return false;
        // A plain file there that no copy of the program wrote: not a lock, so it goes.
        m_lock.reset();
        if (QFile::remove(path)) {
            m_lock = std::make_unique<QLockFile>(path);
            m_lock->setStaleLockTime(0);
            if (m_lock->tryLock(0))
                return true;
        }
        m_lock.reset();
        return true;
    }
    // A lock that cannot be written at all (read-only runtime folder) must not keep the child out.
    m_lock.reset();
    return true;
}

void RealInstanceGuard::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}
