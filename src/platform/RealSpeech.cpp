// SPDX-License-Identifier: GPL-3.0-or-later
#include "RealSpeech.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#ifdef TEMPOLINO_SPEECH
#include <QTextToSpeech>
#include <QVoice>
#endif

namespace {

// How long the program's end waits for the voice's thread to stop.
constexpr unsigned long kAttesaChiusura = 2000;

// Milliseconds on a clock that only runs forwards, never 0.
qint64 Adesso()
{
    return QDeadlineTimer::current().deadline() + 1;
}

#ifdef TEMPOLINO_SPEECH

// Whether speech-dispatcher takes connections where its clients look for it: the
// address in SPEECHD_ADDRESS, or its socket in the user's runtime folder.
bool ServizioInAscolto()
{
    const QString indirizzo = qEnvironmentVariable("SPEECHD_ADDRESS");
    QString presa;
    if (indirizzo.startsWith(QLatin1String("unix_socket:")))
        presa = indirizzo.mid(12);
    else if (!indirizzo.isEmpty())
        return true; // over the network: let the engine try
    else
        presa = (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
                     ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                     : qEnvironmentVariable("XDG_RUNTIME_DIR"))
            + QStringLiteral("/speech-dispatcher/speechd.sock");
    const QByteArray percorso = QFile::encodeName(presa);
    sockaddr_un a{};
    if (percorso.isEmpty() || percorso.size() >= static_cast<qsizetype>(sizeof a.sun_path))
        return false;
    a.sun_family = AF_UNIX;
    qstrncpy(a.sun_path, percorso.constData(), sizeof a.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool ascolta = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ascolta;
}

// Marks the voice's thread as busy inside the engine for as long as it lives.
class Occupato {
public:
    explicit Occupato(std::atomic<qint64>& segno) : m_segno(segno) { m_segno = Adesso(); }
    ~Occupato() { m_segno = 0; }
    Occupato(const Occupato&) = delete;
    Occupato& operator=(const Occupato&) = delete;

private:
    std::atomic<qint64>& m_segno;
};

// Lives on the voice's thread and owns the engine there.
class Lettore : public QObject {
public:
    explicit Lettore(std::shared_ptr<std::atomic<qint64>> occupato) : m_occupato(std::move(occupato)), m_attesa(this)
    {
        m_attesa.setSingleShot(true);
        m_attesa.setInterval(RealSpeech::kLimiteVoceMs);
        QObject::connect(&m_attesa, &QTimer::timeout, this, [this] { VoceMuta(); });
    }

    // Starts the engine and chooses an Italian voice; without one the engine goes.
    // An engine that cannot reach its service is tried again at the next text; one that
    // has no Italian voice is not.
    void Prepara()
    {
        if (m_voce || m_senzaItaliano)
            return;
        Occupato o(*m_occupato);
        if (QTextToSpeech::availableEngines().isEmpty()) {
            m_senzaItaliano = true;
            return;
        }
        auto* voce = new QTextToSpeech(this);
        if (voce->state() == QTextToSpeech::Error) {
            delete voce;
            return;
        }
        if (!ScegliItaliano(*voce)) {
            m_senzaItaliano = true;
            delete voce;
            return;
        }
        // A little slower than the engine's usual pace, for a child.
        voce->setRate(-0.2);
        QObject::connect(voce, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State s) {
            if (s == QTextToSpeech::Speaking) {
                m_attesa.stop();
            } else if (s == QTextToSpeech::Error && m_attesa.isActive()) {
                // The engine says at once that it cannot reach its service.
                m_attesa.stop();
                QMetaObject::invokeMethod(
                    this, [this] { VoceMuta(); }, Qt::QueuedConnection);
            }
        });
        m_voce = voce;
    }

    // Starts the engine ahead of the first text, when its service is already running: a
    // speech-dispatcher that is not is started by the engine itself, as a daemon with
    // its voices, which a program that may never speak should not do at every start.
    void PreparaSeCeServizio()
    {
        if (QTextToSpeech::availableEngines().contains(QLatin1String("speechd")) && !ServizioInAscolto())
            return;
        Prepara();
    }

    void Dici(const QString& testo)
    {
        // An engine that failed before is made anew: its service may be back.
        if (m_voce && m_voce->state() == QTextToSpeech::Error) {
            Occupato o(*m_occupato);
            delete m_voce.data();
        }
        Prepara();
        if (!m_voce || m_voce->state() == QTextToSpeech::Error)
            return;
        Occupato o(*m_occupato);
        if (m_voce->state() == QTextToSpeech::Speaking)
            m_voce->stop();
        m_testo = testo;
        // The engine says nothing when its service has gone: it is heard starting soon,
        // or it says at once that it cannot (while the text is handed over).
        m_attesa.start();
        m_voce->say(testo);
    }

    void Ferma()
    {
        m_attesa.stop();
        if (m_voce) {
            Occupato o(*m_occupato);
            m_voce->stop();
        }
    }

private:
    // The engine did not start speaking: its connection to the speech service is lost
    // (the service was stopped, or started again). A new engine connects anew and says
    // the text once more; if the service is still away, nothing is said.
    void VoceMuta()
    {
        {
            Occupato o(*m_occupato);
            delete m_voce.data();
        }
        if (m_testo.isEmpty())
            return;
        const QString testo = m_testo;
        m_testo.clear();
        Prepara();
        if (!m_voce || m_voce->state() == QTextToSpeech::Error)
            return;
        Occupato o(*m_occupato);
        m_voce->say(testo);
        // A second engine that cannot speak either is not made again until the next text.
    }

    // Only Italian: a voice of another language would read the words wrongly.
    static bool ScegliItaliano(QTextToSpeech& voce)
    {
        QLocale italiano;
        bool trovato = false;
        for (const QLocale& l : voce.availableLocales()) {
            if (l.language() != QLocale::Italian)
                continue;
            italiano = l;
            trovato = true;
            if (l.territory() == QLocale::Italy)
                break;
        }
        if (!trovato)
            return false;
        voce.setLocale(italiano);
        if (voce.locale().language() != QLocale::Italian)
            return false;
        const QList<QVoice> voci = voce.availableVoices();
        if (voci.isEmpty())
            return false;
        voce.setVoice(voci.first());
        return true;
    }

    std::shared_ptr<std::atomic<qint64>> m_occupato;
    QPointer<QTextToSpeech> m_voce;
    // A child, so that it moves to the voice's thread with its owner.
    QTimer m_attesa;
    bool m_senzaItaliano = false;
    // The text whose start is awaited.
    QString m_testo;
};

Lettore* ComeLettore(QObject* o)
{
    return static_cast<Lettore*>(o);
}

#endif

} // namespace

namespace {

// The engine goes on its own thread, with the object that owns it, whenever the thread
// gets to it; then the thread ends.
void ChiudiSulFilo(QObject* lettore, QThread* filo)
{
    if (!lettore) {
        filo->quit();
        return;
    }
    QMetaObject::invokeMethod(
        lettore,
        [lettore, filo] {
            delete lettore;
            filo->quit();
        },
        Qt::QueuedConnection);
}

} // namespace

RealSpeech::~RealSpeech()
{
    if (!m_filo)
        return;
    ChiudiSulFilo(m_lettore.data(), m_filo);
    if (m_filo->wait(kAttesaChiusura))
        delete m_filo;
    // Otherwise the speech service holds the thread: it is left to end with the process,
    // since a thread still running must not be destroyed.
}

void RealSpeech::abbandona()
{
    if (!m_filo)
        return;
    QThread* filo = m_filo;
    QObject* lettore = m_lettore.data();
    m_filo = nullptr;
    m_lettore = nullptr;
    m_occupato.reset();
    // Whenever the service lets it go, the thread closes its engine and ends, and its
    // object is deleted here; until then it is left alone.
    ChiudiSulFilo(lettore, filo);
    QObject::connect(filo, &QThread::finished, filo, &QObject::deleteLater);
}

bool RealSpeech::avvia()
{
#ifdef TEMPOLINO_SPEECH
    if (m_filo && m_occupato) {
        // A thread that has been inside one call of the engine for too long is held by a
        // speech service that does not answer: a new one takes over.
        const qint64 dentro = m_occupato->load();
        if (dentro != 0 && Adesso() - dentro > kLimiteFiloMs)
            abbandona();
    }
    if (m_filo)
        return m_lettore != nullptr;
    if (!QCoreApplication::instance())
        return false;
    m_occupato = std::make_shared<std::atomic<qint64>>(0);
    m_filo = new QThread;
    m_filo->setObjectName(QStringLiteral("voce"));
    // Writing to a speech service that has gone must fail, not end the program: the
    // signal for a broken connection is kept from the voice's thread and from the
    // threads its engine starts.
    QObject::connect(
        m_filo, &QThread::started, m_filo,
        [] {
            sigset_t segnali;
            sigemptyset(&segnali);
            sigaddset(&segnali, SIGPIPE);
            pthread_sigmask(SIG_BLOCK, &segnali, nullptr);
        },
        Qt::DirectConnection);
    auto* lettore = new Lettore(m_occupato);
    lettore->moveToThread(m_filo);
    m_lettore = lettore;
    m_filo->start();
    return true;
#else
    return false;
#endif
}

void RealSpeech::prepare()
{
    if (!avvia())
        return;
#ifdef TEMPOLINO_SPEECH
    QObject* lettore = m_lettore.data();
    QMetaObject::invokeMethod(
        lettore, [lettore] { ComeLettore(lettore)->PreparaSeCeServizio(); }, Qt::QueuedConnection);
#endif
}

void RealSpeech::say(const QString& text)
{
    if (text.isEmpty() || !avvia())
        return;
#ifdef TEMPOLINO_SPEECH
    QObject* lettore = m_lettore.data();
    QMetaObject::invokeMethod(
        lettore, [lettore, text] { ComeLettore(lettore)->Dici(text); }, Qt::QueuedConnection);
#endif
}

void RealSpeech::stop()
{
#ifdef TEMPOLINO_SPEECH
    if (!m_lettore)
        return;
    QObject* lettore = m_lettore.data();
    QMetaObject::invokeMethod(
        lettore, [lettore] { ComeLettore(lettore)->Ferma(); }, Qt::QueuedConnection);
#endif
}
