#pragma once
// The real implementations of the platform seams, over Qt.

#include "Platform.h"
#include "RealSoundPlayer.h"

#include <QHash>
#include <QLockFile>
#include <QPointer>
#include <QRandomGenerator>

class RealClock : public SystemClock {
public:
    double secondsSinceMidnight() override;
    QDate today() override;
};

class RealRandom : public RandomSource {
public:
    void reseed() override;
    double next() override;

private:
    QRandomGenerator m_gen{1};
};

class RealDialogs : public Dialogs {
public:
    int messageBox(QWidget* parent, Icon icon, const QString& title, const QString& text,
                   Buttons buttons) override;
    int execModal(QDialog& dialog) override;
};

class RealEventPump : public EventPump {
public:
    void processEvents() override;
    void pause(int ms) override;
};

class RealDesktop : public Desktop {
public:
    QSize screenSize() override;
    bool openUrl(const QUrl& url) override;
    void moveCursor(const QPoint& global) override;
    QString programFolder() override;
};

class RealInstanceGuard : public InstanceGuard {
public:
    bool claim() override;
    // Where the per-user lock lives (the user's runtime folder).
    static QString lockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};
