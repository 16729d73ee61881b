// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clear focus ring over a control that its own painting does not give one (the
// clock face, a native picture button): a yellow frame along its edge while it has
// the focus. The control paints itself first; nothing changes without the focus.

#include <QColor>
#include <QObject>

class QWidget;

class AnelloFuoco : public QObject {
    Q_OBJECT
public:
    // Watches the control, which owns the ring; `spessore` is the frame's width in pixels.
    AnelloFuoco(QWidget* controllo, int spessore);

    // The ring's colour: bright on black, grey, green, blue and red alike.
    static QColor colore() { return {255, 255, 0}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_controllo;
    int m_spessore;
    bool m_dipingendo = false;
};
