// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clear focus ring over a control that its own painting does not give one (the
// clock face, a native picture button): a yellow frame along its edge while it has
// the focus. The control paints itself first; nothing changes without the focus.
// A control that the program itself gives the focus to again and again (the clock
// face) may show the ring only when the keyboard is in use: the focus came by Tab or
// Shift+Tab, or a key was pressed on the control.

#include <QColor>
#include <QObject>

class QWidget;

class AnelloFuoco : public QObject {
    Q_OBJECT
public:
    enum class Quando {
        ConIlFuoco, // whenever the control has the focus
        DaTastiera  // while it has the focus from the keyboard
    };

    // Watches the control, which owns the ring; `spessore` is the frame's width in pixels.
    AnelloFuoco(QWidget* controllo, int spessore, Quando quando = Quando::ConIlFuoco);

    // True while the ring is drawn.
    bool visibile() const;

    // The ring's colour: bright on black, grey, green, blue and red alike.
    static QColor colore() { return {255, 255, 0}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_controllo;
    int m_spessore;
    Quando m_quando;
    // The focus came from the keyboard, or a key was pressed since it came.
    bool m_daTastiera = false;
    bool m_dipingendo = false;
};
