#include "RealSpeech.h"

#include <QCoreApplication>
#include <QThread>

#ifdef TEMPOLINO_SPEECH
#include <QTextToSpeech>
#include <QVoice>
#endif

namespace {

// How long the program's end waits for the voice's thread to stop.
constexpr unsigned long kAttesaChiusura = 2000;

#ifdef TEMPOLINO_SPEECH

// Lives on the voice's thread and owns the engine there.
class Lettore : public QObject {
public:
    // Starts the engine and chooses an Italian voice; without one the engine goes.
    void Prepara()
    {
        if (QTextToSpeech::availableEngines().isEmpty())
            return;
        auto* voce = new QTextToSpeech(this);
        if (voce->state() == QTextToSpeech::Error || !ScegliItaliano(*voce)) {
            delete voce;
            return;
        }
        // A little slower than the engine's usual pace, for a child.
        voce->setRate(-0.2);
        m_voce = voce;
    }

    void Dici(const QString& testo)
    {
        if (!m_voce || m_voce->state() == QTextToSpeech::Error)
            return;
        if (m_voce->state() == QTextToSpeech::Speaking)
            m_voce->stop();
        m_voce->say(testo);
    }

    void Ferma()
    {
        if (m_voce)
            m_voce->stop();
    }

private:
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

    QPointer<QTextToSpeech> m_voce;
};

Lettore* ComeLettore(QObject* o)
{
    return static_cast<Lettore*>(o);
}

#endif

} // namespace

RealSpeech::~RealSpeech()
{
    if (!m_filo)
        return;
    // The engine goes on its own thread, with the object that owns it; then the thread ends.
    if (m_lettore) {
        QObject* lettore = m_lettore.data();
        QThread* filo = m_filo;
        QMetaObject::invokeMethod(
            lettore,
            [lettore, filo] {
                delete lettore;
                filo->quit();
            },
            Qt::QueuedConnection);
    } else {
        m_filo->quit();
    }
    if (m_filo->wait(kAttesaChiusura))
        delete m_filo;
    // Otherwise the speech service holds the thread: it is left to end with the process,
    // since a thread still running must not be destroyed.
}

bool RealSpeech::avvia()
{
#ifdef TEMPOLINO_SPEECH
    if (m_avviato)
        return m_lettore != nullptr;
    m_avviato = true;
    if (!QCoreApplication::instance())
        return false;
    m_filo = new QThread;
    m_filo->setObjectName(QStringLiteral("voce"));
    auto* lettore = new Lettore;
    lettore->moveToThread(m_filo);
    m_lettore = lettore;
    m_filo->start();
    QMetaObject::invokeMethod(
        lettore, [lettore] { lettore->Prepara(); }, Qt::QueuedConnection);
    return true;
#else
    m_avviato = true;
    return false;
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
