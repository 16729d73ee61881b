#pragma once
// The real sound player: the program's sounds from its resources, one at a time.

#include <QHash>
#include <QPointer>
#include <QSoundEffect>

#include "Platform.h"

class RealSoundPlayer : public SoundPlayer {
public:
    ~RealSoundPlayer() override;
    void play(int id) override;
    // The effect made for sound `id`, once it has been played; null before.
    QSoundEffect* effect(int id) const { return m_effects.value(id); }

private:
    void releaseEffects();

    // The effects must go before Qt's sample cache is torn down at exit: they are
    // deleted when the application is about to end, or with the player if it goes first.
    QHash<int, QPointer<QSoundEffect>> m_effects;
    QPointer<QSoundEffect> m_current;
};
