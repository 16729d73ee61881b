// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thin layer over everything the program takes from the outside world:
// the time of day, random numbers, sounds, dialogs, the screen, other
// running copies, the system's handler for links, the mouse pointer, the
// default printer and the voice that says the time.
// The program asks `platform()` for each of them; tests put stand-ins in place.

#include <QDate>
#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QUrl>
#include <memory>

#include "Printers.h"

class QDialog;
class QWidget;

// Time of day and today's date.
class SystemClock {
public:
    virtual ~SystemClock() = default;
    // Seconds since local midnight, with a fraction (0 <= s < 86400).
    virtual double secondsSinceMidnight() = 0;
    virtual QDate today() = 0;
    // Seconds on a clock that only runs forwards, whatever is done to the time of day
    // meanwhile; for measuring how long something has lasted.
    virtual double elapsedSeconds() = 0;
};

// Random values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a new sequence seeded from the clock.
    virtual void reseed() = 0;
    virtual double next() = 0;
};

// Sound effects by resource number; one plays at a time, silent on failure.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(int id) = 0;
};

// System message boxes and modal windows.
class Dialogs {
public:
    enum class Icon { Information, Stop, Question };
    enum class Buttons { Ok, YesNoCancel };
    enum Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
    virtual ~Dialogs() = default;
    virtual int messageBox(QWidget* parent, Icon icon, const QString& title, const QString& text, Buttons buttons) = 0;
    // Shows a window modally and returns its result when it has closed.
    virtual int execModal(QDialog& dialog) = 0;
    // Asks where to save a file, starting from the full path `proposed`; only files of
    // `nameFilter` ("PDF (*.pdf)") are listed, and a name typed without the proposed
    // file's suffix gets it. Empty when the question is cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& proposed,
                                 const QString& nameFilter) = 0;
};

// The desktop around the program.
class Desktop {
public:
    virtual ~Desktop() = default;
    // The program's screen is the primary screen: its size, and where it lies among
    // the screens of the desktop. The size factor, the splash, the main window and
    // every message window follow it.
    virtual QSize screenSize() = 0;
    virtual QRect screenGeometry() { return {QPoint(0, 0), screenSize()}; }
    // Opens a file or link with the system's handler; false when nothing took it.
    virtual bool openUrl(const QUrl& url) = 0;
    // Moves the mouse pointer to a point in screen coordinates.
    // Nothing happens where the window system does not let programs move the pointer.
    virtual void moveCursor(const QPoint& global) = 0;
    // Whether the window system gives windows the shape of their mask and lets the
    // program place them (X11 does; under Wayland a window is a rectangle, see-through
    // where it paints nothing, and the compositor places it).
    virtual bool shapesAndPlacesWindows() { return true; }
    // The folder of the program's executable.
    virtual QString programFolder() = 0;
};

// Saying a text aloud with an Italian voice. Silent when there is no speech engine, no
// voice or no Italian one; a new text cuts the one still being said.
class Speech {
public:
    virtual ~Speech() = default;
    virtual void say(const QString& text) = 0;
    // Stops what is being said.
    virtual void stop() = 0;
    // Gets the voice ready in the background, so that the first text is said without
    // waiting for the engine to start; never waits itself.
    virtual void prepare() {}
};

// Keeps a second copy of the program from starting for the same user.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // True when this is the only running copy; the claim lasts until release() or
    // until the process ends.
    virtual bool claim() = 0;
    // Gives the claim up, so a new copy may start at once.
    virtual void release() = 0;
};

struct Platform {
    std::unique_ptr<SystemClock> clock;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<InstanceGuard> instance;
    std::unique_ptr<Printers> printers;
    std::unique_ptr<Speech> speech;

    // Puts the real implementations in every slot.
    void useSystem();
};

// The platform the program is using. The program's main() owns one and makes it the
// current one for as long as it runs (see PiattaformaCorrente); code that runs without
// one (a tool, a benchmark) gets one with the real implementations on first use.
Platform& platform();

// Makes a platform the current one for the lifetime of this object, and the previous
// one current again afterwards.
class PiattaformaCorrente {
public:
    explicit PiattaformaCorrente(Platform& p);
    ~PiattaformaCorrente();
    PiattaformaCorrente(const PiattaformaCorrente&) = delete;
    PiattaformaCorrente& operator=(const PiattaformaCorrente&) = delete;

private:
    Platform* m_precedente;
};
