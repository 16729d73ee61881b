// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real implementations of the platform seams, over Qt.

#include "Platform.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QPointer>
#include <QRandomGenerator>

class RealClock : public SystemClock {
public:
    double secondsSinceMidnight() override;
    QDate today() override;
    double elapsedSeconds() override;

private:
    QElapsedTimer m_partenza;
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
    int messageBox(QWidget* parent, Icon icon, const QString& title, const QString& text, Buttons buttons) override;
    int execModal(QDialog& dialog) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& proposed,
                         const QString& nameFilter) override;
};

class RealDesktop : public Desktop {
public:
    QSize screenSize() override;
    QRect screenGeometry() override;
    bool openUrl(const QUrl& url) override;
    void moveCursor(const QPoint& global) override;
    bool shapesAndPlacesWindows() override;
    QString programFolder() override;
};

class RealInstanceGuard : public InstanceGuard {
public:
    bool claim() override;
    void release() override;
    // Where the per-user lock usually lives (the user's runtime folder).
    static QString lockPath();
    // The name the lock is taken on: lockPath(), or the first name after it when that
    // one is a link, a folder or anything else but a plain file; empty when none fits.
    static QString usablePath();

private:
    std::unique_ptr<QLockFile> m_lock;
};
