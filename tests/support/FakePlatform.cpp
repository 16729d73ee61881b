#include "FakePlatform.h"

#include <QCoreApplication>

void FakeClock::advance(double s)
{
    seconds += s;
    while (seconds >= 86400) {
        seconds -= 86400;
        date = date.addDays(1);
    }
}

double FakeRandom::next()
{
    if (!scripted.empty()) {
        const double v = scripted.front();
        scripted.pop_front();
        return v;
    }
    m_state = m_state * 1664525u + 1013904223u;
    return (m_state >> 8) / double(1u << 24);
}

int FakeDialogs::messageBox(QWidget*, Icon icon, const QString& title, const QString& text, Buttons buttons)
{
    boxes.append({icon, title, text, buttons});
    if (!answers.empty()) {
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == Buttons::Ok ? Ok : Yes;
}

int FakeDialogs::execModal(QDialog& dialog)
{
    modalShown.append(dialog.objectName());
    dialog.setModal(true);
    dialog.show();
    QCoreApplication::processEvents();
    int result = QDialog::Accepted;
    if (onModal)
        result = onModal(dialog);
    if (dialog.isVisible())
        dialog.done(result);
    return result;
}

void FakeEvents::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void FakeEvents::pause(int ms)
{
    ++pauses;
    pausedMs += ms;
    m_clock->advance(ms / 1000.0);
    if (onPause)
        onPause();
    processEvents();
}

bool FakeDesktop::openUrl(const QUrl& url)
{
    opened.append(url);
    return openSucceeds;
}

FakePlatform FakePlatform::install()
{
    Platform& p = platform();
    auto clock = std::make_unique<FakeClock>();
    FakePlatform f{};
    f.clock = clock.get();
    auto random = std::make_unique<FakeRandom>();
    f.random = random.get();
    auto sound = std::make_unique<FakeSound>();
    f.sound = sound.get();
    auto dialogs = std::make_unique<FakeDialogs>();
    f.dialogs = dialogs.get();
    auto events = std::make_unique<FakeEvents>(f.clock);
    f.events = events.get();
    auto desktop = std::make_unique<FakeDesktop>();
    f.desktop = desktop.get();
    auto instance = std::make_unique<FakeInstance>();
    f.instance = instance.get();
    p.clock = std::move(clock);
    p.random = std::move(random);
    p.sound = std::move(sound);
    p.dialogs = std::move(dialogs);
    p.events = std::move(events);
    p.desktop = std::move(desktop);
    p.instance = std::move(instance);
    return f;
}
