#include "RealSoundPlayer.h"

#include <QCoreApplication>
#include <QUrl>
#include <utility>

#include "Risorse.h"

RealSoundPlayer::~RealSoundPlayer()
{
    // After the application object has gone (the player lives as long as the process)
    // Qt's audio machinery is gone too and the effects must not be touched.
    if (QCoreApplication::instance())
        releaseEffects();
}

void RealSoundPlayer::releaseEffects()
{
    for (const QPointer<QSoundEffect>& effect : std::as_const(m_effects))
        delete effect.data();
    m_effects.clear();
    m_current = nullptr;
}

void RealSoundPlayer::play(int id)
{
    // Without an application object there is nothing to play through.
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    QPointer<QSoundEffect> effect = m_effects.value(id);
    if (!effect) {
        const QString path = Risorse::percorsoSuono(id);
        if (path.isEmpty())
            return;
        if (m_effects.isEmpty())
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, [this] { releaseEffects(); });
        // The sound is decoded in the background; play() waits for it without blocking,
        // and a sound that cannot be decoded or has no device to go to stays silent.
        effect = new QSoundEffect;
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
        m_effects.insert(id, effect);
    }
    // One sound at a time: a new one cuts the one still playing.
    if (m_current && m_current != effect)
        m_current->stop();
    m_current = effect;
    if (effect->status() == QSoundEffect::Error)
        return;
    effect->play();
}
