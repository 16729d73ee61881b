// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"

#include <chrono>
#include <thread>

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cmath>

#include "Deposito.h"
#include "FakeEventDispatcher.h"

namespace {

// Every timer of the test program runs on the stand-in clock: the dispatcher that fires
// them is in place before the application object is made.
void UsaDispatcherFinto()
{
    QCoreApplication::setEventDispatcher(new FakeEventDispatcher);
}
Q_CONSTRUCTOR_FUNCTION(UsaDispatcherFinto)

} // namespace

void FakeClock::advance(double s)
{
    double mosso = 0;
    if (FakeEventDispatcher* d = FakeEventDispatcher::instance())
        d->advance(std::llround(s * 1000), [this, &mosso](qint64 ms) {
            move(ms / 1000.0);
            mosso += ms / 1000.0;
        });
    // What is left under a millisecond.
    move(s - mosso);
}

void FakeClock::move(double s)
{
    seconds += s;
    elapsed += s;
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

QString FakeDialogs::saveFileName(QWidget*, const QString& title, const QString& proposed, const QString& nameFilter)
{
    saveQuestions.append({title, proposed, nameFilter});
    if (saveAnswers.empty())
        return {};
    const QString a = saveAnswers.front();
    saveAnswers.pop_front();
    return a;
}

bool FakeDesktop::openUrl(const QUrl& url)
{
    opened.append(url);
    return openSucceeds;
}

namespace {

class FakePrintJob : public PrintJob {
public:
    FakePrintJob(FakePrinters& printers, QString file) : m_printers(printers), m_file(std::move(file)) {}

    QRectF paintRectMm() const
    {
        const QMarginsF& m = m_printers.marginsMm;
        return QRectF(m.left(), m.top(), 210 - m.left() - m.right(), 297 - m.top() - m.bottom());
    }
    double printableWidthMm() const override { return paintRectMm().width(); }
    double leftMarginMm() const override { return paintRectMm().left(); }
    double topMarginMm() const override { return paintRectMm().top(); }

    PrintError print(const std::function<PrintError(QPainter&)>& draw) override
    {
        QPdfWriter pdf(m_file);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, m_printers.marginsMm,
                                      QPageLayout::Millimeter));
        pdf.setResolution(m_printers.resolution);
        QPainter p;
        if (!p.begin(&pdf))
            return PrintError::JobRefused;
        PrintError e = draw(p);
        if (e == PrintError::None)
            e = m_printers.failWhileDrawing;
        p.end();
        if (e != PrintError::None) {
            ++m_printers.cancelled;
            QFile::remove(m_file);
            return e;
        }
        if (m_printers.failSending != PrintError::None) {
            QFile::remove(m_file);
            return m_printers.failSending;
        }
        m_printers.printed.append(m_file);
        return PrintError::None;
    }

private:
    FakePrinters& m_printers;
    QString m_file;
};

} // namespace

FakePrinters::FakePrinters() : m_folder(std::make_unique<QTemporaryDir>()) {}

FakePrinters::~FakePrinters() = default;

std::unique_ptr<PrintJob> FakePrinters::openDefault(PrintError& error)
{
    ++opened;
    error = failOpen;
    if (error != PrintError::None)
        return nullptr;
    return std::make_unique<FakePrintJob>(*this, m_folder->filePath(QStringLiteral("pagina_%1.pdf").arg(opened)));
}

std::unique_ptr<PrintJob> FakePrinters::openDefaultUntil(PrintError& error, const std::atomic<bool>& stop)
{
    while (hold && !stop)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    if (stop) {
        ++stopped;
        error = PrintError::SpoolerNoAnswer;
        return nullptr;
    }
    return openDefault(error);
}

namespace {

// The platform the tests run on: made current once, for the whole test program.
Platform& piattaformaDiProva()
{
    static Platform p;
    static PiattaformaCorrente corrente(p);
    // Pictures rendered once for the whole test program, as the program does for its run.
    static Risorse::Deposito deposito;
    return p;
}

} // namespace

FakePlatform FakePlatform::install()
{
    Platform& p = piattaformaDiProva();
    auto clock = std::make_unique<FakeClock>();
    FakePlatform f{};
    f.clock = clock.get();
    auto random = std::make_unique<FakeRandom>();
    f.random = random.get();
    auto sound = std::make_unique<FakeSound>();
    f.sound = sound.get();
    auto dialogs = std::make_unique<FakeDialogs>();
    f.dialogs = dialogs.get();
    auto desktop = std::make_unique<FakeDesktop>();
    f.desktop = desktop.get();
    auto instance = std::make_unique<FakeInstance>();
    f.instance = instance.get();
    auto printers = std::make_unique<FakePrinters>();
    f.printers = printers.get();
    auto speech = std::make_unique<FakeSpeech>();
    f.speech = speech.get();
    p.clock = std::move(clock);
    p.random = std::move(random);
    p.sound = std::move(sound);
    p.dialogs = std::move(dialogs);
    p.desktop = std::move(desktop);
    p.instance = std::move(instance);
    p.printers = std::move(printers);
    p.speech = std::move(speech);
    return f;
}
