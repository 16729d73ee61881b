#include "SystemPlatform.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTime>
#include <utility>

#include "Risorse.h"

void Platform::useSystem()
{
    clock = std::make_unique<RealClock>();
    random = std::make_unique<RealRandom>();
    sound = std::make_unique<RealSoundPlayer>();
    dialogs = std::make_unique<RealDialogs>();
    events = std::make_unique<RealEventPump>();
    desktop = std::make_unique<RealDesktop>();
    instance = std::make_unique<RealInstanceGuard>();
    printers = std::make_unique<RealPrinters>();
}

Platform& platform()
{
    static Platform p = [] {
        Platform q;
        q.useSystem();
        return q;
    }();
    return p;
}

double RealClock::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QDate RealClock::today()
{
    return QDate::currentDate();
}

void RealRandom::reseed()
{
    m_gen.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

double RealRandom::next()
{
    return m_gen.generateDouble();
}

int RealDialogs::messageBox(QWidget* parent, Icon icon, const QString& title, const QString& text,
                            Buttons buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(icon == Icon::Information ? QMessageBox::Information
                : icon == Icon::Stop      ? QMessageBox::Critical
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
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    case QMessageBox::Cancel: return Cancel;
    default: return Ok;
    }
}

int RealDialogs::execModal(QDialog& dialog)
{
    return dialog.exec();
}

void RealEventPump::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void RealEventPump::pause(int ms)
{
    // Sleep in short slices so that clicks and repaints are served during the pause.
    QElapsedTimer t;
    t.start();
    processEvents();
    while (t.elapsed() < ms) {
        QThread::msleep(static_cast<unsigned long>(qMin<qint64>(5, ms - t.elapsed())));
        processEvents();
    }
}

QSize RealDesktop::screenSize()
{
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->size();
    return {};
}

bool RealDesktop::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void RealDesktop::moveCursor(const QPoint& global)
{
    QCursor::setPos(global);
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

bool RealInstanceGuard::claim()
{
    m_lock = std::make_unique<QLockFile>(lockPath());
    // A lock left by a crashed run names a process that no longer exists;
    // QLockFile sees that and takes the lock over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError) {
        if (m_lock->removeStaleLockFile())
            return m_lock->tryLock(0);
        return false;
    }
    // A lock that cannot be written at all (read-only runtime folder) must not keep the child out.
    return true;
}
