// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for everything the program takes from the outside world, so tests
// set the time, script the random draws, answer dialogs and hear the sounds
// without a person, a sound card or a wall clock. The stand-in clock also drives
// every timer of the test program (see FakeEventDispatcher.h).

#include <QDialog>
#include <QMarginsF>
#include <QStringList>
#include <QVector>
#include <deque>
#include <functional>
#include <memory>

#include "Platform.h"

class FakeClock : public SystemClock {
public:
    double seconds = 36000; // 10:00:00
    QDate date{2024, 3, 10};
    // Seconds on the clock that only runs forwards: moved by advance(), not by setting
    // the time of day.
    double elapsed = 0;
    double secondsSinceMidnight() override { return seconds; }
    QDate today() override { return date; }
    double elapsedSeconds() override { return elapsed; }
    // Lets `s` seconds pass: the time moves on (wrapping at midnight into the next day),
    // and every timer that falls due meanwhile fires at its moment, the clock reading
    // that moment. advance(0) handles what is pending now.
    void advance(double s);

private:
    // Moves the time on without firing anything.
    void move(double s);
};

class FakeRandom : public RandomSource {
public:
    std::deque<double> scripted; // drawn first, in order
    int reseeds = 0;
    void reseed() override { ++reseeds; }
    double next() override;

private:
    quint32 m_state = 12345;
};

class FakeSound : public SoundPlayer {
public:
    QVector<int> played;
    void play(int id) override { played.append(id); }
    int count(int id) const { return static_cast<int>(played.count(id)); }
};

class FakeDialogs : public Dialogs {
public:
    struct Box {
        Icon icon;
        QString title;
        QString text;
        Buttons buttons;
    };
    QVector<Box> boxes;
    std::deque<int> answers; // answers to message boxes, in order; Ok/Yes when empty
    QStringList modalShown;  // objectName of every modal window shown
    // Called with every modal window; its result is the window's result. When unset the
    // window is closed as the user would close it with its default button.
    std::function<int(QDialog&)> onModal;

    // Every save-file question asked, and the answers to give, in order (a path, or
    // empty for Cancel); Cancel when none is left.
    struct SaveQuestion {
        QString title;
        QString proposed;
        QString nameFilter;
    };
    QVector<SaveQuestion> saveQuestions;
    std::deque<QString> saveAnswers;

    int messageBox(QWidget* parent, Icon icon, const QString& title, const QString& text, Buttons buttons) override;
    int execModal(QDialog& dialog) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& proposed,
                         const QString& nameFilter) override;
};

class FakeDesktop : public Desktop {
public:
    QSize screen{1024, 768};
    QVector<QUrl> opened;
    QVector<QPoint> cursorMoves;
    QString folder;
    bool openSucceeds = true;
    // Where the primary screen lies among the desktop's screens.
    QPoint origin{0, 0};
    QSize screenSize() override { return screen; }
    QRect screenGeometry() override { return {origin, screen}; }
    bool openUrl(const QUrl& url) override;
    void moveCursor(const QPoint& global) override { cursorMoves.append(global); }
    bool shapes = true;
    bool shapesAndPlacesWindows() override { return shapes; }
    QString programFolder() override { return folder; }
};

// Records every text said, in order.
class FakeSpeech : public Speech {
public:
    QStringList said;
    int stops = 0;
    int prepares = 0;
    void say(const QString& text) override { said.append(text); }
    void stop() override { ++stops; }
    void prepare() override { ++prepares; }
};

class FakeInstance : public InstanceGuard {
public:
    bool otherRunning = false;
    int releases = 0;
    bool claim() override { return !otherRunning; }
    void release() override { ++releases; }
};

class QTemporaryDir;

// A default printer that renders each page into a PDF file, or fails on demand.
class FakePrinters : public Printers {
public:
    FakePrinters();
    ~FakePrinters() override;
    // The failure to report when the printer is chosen (no printer, job refused, no A4...).
    PrintError failOpen = PrintError::None;
    // A fault of the printer while the page is drawn: the document is cancelled.
    PrintError failWhileDrawing = PrintError::None;
    // The finished page is not taken by the printer.
    PrintError failSending = PrintError::None;
    // The sheet and its unprintable borders, in millimetres.
    QMarginsF marginsMm{5, 6, 7, 8};
    int resolution = 1200;

    int opened = 0;      // printers chosen
    int cancelled = 0;   // documents cancelled after drawing had started
    QStringList printed; // the PDF of every page sent, in order
    std::unique_ptr<PrintJob> openDefault(PrintError& error) override;

    // Like a spooler: choosing the printer is left to another thread (ConsegnaStampa).
    bool waits = false;
    // While set, choosing the printer waits, as on a spooler that does not answer, until
    // it is cleared or the caller says stop (then SpoolerNoAnswer).
    std::atomic<bool> hold{false};
    // How many waits ended because the caller said stop.
    std::atomic<int> stopped{0};
    bool mayWait() const override { return waits; }
    std::unique_ptr<PrintJob> openDefaultUntil(PrintError& error, const std::atomic<bool>& stop) override;

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

// Puts the stand-ins in place and gives the test a handle on each.
struct FakePlatform {
    FakeClock* clock;
    FakeRandom* random;
    FakeSound* sound;
    FakeDialogs* dialogs;
    FakeDesktop* desktop;
    FakeInstance* instance;
    FakePrinters* printers;
    FakeSpeech* speech;

    static FakePlatform install();
};
