// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The floor the clock's costs are measured against: a bare widget of the face's size
// that paints, at each update, the same primitives as the clock face: a dial kept as
// a picture, the three hands as filled polygons with a white outline, their three
// value labels and the hub. It keeps nothing else and is as plain as Qt allows.

#include <QFont>
#include <QPixmap>
#include <QWidget>

class BareFace : public QWidget {
public:
    // R is the dial radius: 180, or 234 on screens from 1024x768 up.
    explicit BareFace(int R, QWidget* parent = nullptr);

    // The time shown, in seconds since midnight; the face is updated whole.
    void setTime(int seconds);
    int paints() const { return m_paints; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawDial();

    int m_R;
    int m_seconds = 0;
    int m_paints = 0;
    QPixmap m_dial;
    QFont m_font;
};
