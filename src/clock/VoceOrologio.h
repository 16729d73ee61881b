// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock face says the shown time aloud when the child asks: the key P while the
// face has the focus, or the small loudspeaker in the face's bottom left corner, out
// of the dial's way. The words are a teacher's ("Sono le tre e un quarto del
// pomeriggio"). During the exercises the face keeps quiet: there the time is the
// question.

#include <QObject>
#include <functional>

class QShortcut;
class QToolButton;
class QuadranteOrologio;

class VoceOrologio : public QObject {
    Q_OBJECT
public:
    // `tempo` gives the shown time, seconds since midnight, when the child asks.
    VoceOrologio(QuadranteOrologio* quadrante, std::function<float()> tempo);

    // The face speaks on request (true) or keeps quiet and puts its loudspeaker away.
    void Abilita(bool abilita);
    bool abilitata() const { return m_abilitata; }

    // The words for the shown time.
    QString Frase() const;
    // Says the shown time, when the face may speak and the sounds are on.
    void DiciOra();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Posiziona();

    QuadranteOrologio* p1;
    std::function<float()> m_tempo;
    QToolButton* cmdAscoltaOra;
    QShortcut* tastoParla;
    bool m_abilitata = true;
};
