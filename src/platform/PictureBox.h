// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface with memory: what is drawn goes into a persistent image that
// survives repaints; a background picture can be stored and clearing restores it.
// Drawing uses a user scale (y may run upward), a current position, a pen colour,
// a fill colour and style, a line width and a font, so the drawing procedures of
// the windows read like a sequence of simple steps. A QPainter does the work.
//
// A box whose drawing changes often in small parts (the clock's hands) can paint those
// parts over the persistent image at every paint instead of into it, and ask for a
// paint only where they changed: the window then gets only what changed, and the
// image is never copied whole. An opaque box keeps an opaque image, which the
// window takes as a plain copy.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QWidget>
#include <memory>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // --- scale: the user coordinates of the top-left and bottom-right corners
    void setScale(double left, double top, double right, double bottom);
    void setPixelScale(); // one unit per pixel, y downward
    double scaleWidth() const { return m_right - m_left; }
    double scaleHeight() const { return m_bottom - m_top; }
    QPointF toPixel(double x, double y) const;
    double toPixelWidth(double w) const;  // a length along x in pixels
    double toPixelHeight(double h) const; // a length along y in pixels (signed)

    // --- drawing state
    QColor foreColor{Qt::black};
    QColor fillColor{Qt::black};
    bool fillSolid = false; // false: circles and boxes are outlines only
    int drawWidth = 1;
    // Smooth edges on lines, circles and polygons; off for fills made of many rings.
    bool smooth = true;
    double currentX = 0;
    double currentY = 0;
    void setBackColor(const QColor& c);
    QColor backColor() const { return m_back; }
    void setDrawFont(const QFont& f);
    const QFont& drawFont() const { return m_font; }

    // --- persistent image and background picture
    void cls(); // back colour, then the background picture; position to 0,0
    void setPicture(const QImage& picture);
    void clearPicture();
    void storeImageAsPicture(); // the drawing so far becomes the background picture
    bool hasPicture() const { return !m_picture.isNull(); }
    // What the box shows: the persistent image with whatever is painted over it.
    const QImage& image() const;
    // The colour of the shown pixel at a point in widget pixels.
    QColor pixelAt(int x, int y) const;

    // --- drawing, in user coordinates
    void line(double x1, double y1, double x2, double y2, const QColor& c);
    void box(double x1, double y1, double x2, double y2, const QColor& c, bool filled);
    void circle(double x, double y, double radius, const QColor& outline);
    void pset(double x, double y, const QColor& c);
    void print(const QString& text); // top-left at the current position, in foreColor
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;
    // The ascent of the drawing font in pixels: print() puts the baseline this far
    // below the current position.
    double textAscent() const;
    // Paints a picture with its top-left corner at (x, y); a negative size mirrors it.
    // A size of 0 uses the picture's own size.
    void paintPicture(const QImage& picture, double x, double y, double w = 0, double h = 0);
    // A closed polygon in widget pixels, outlined in foreColor and filled with fillColor.
    void polygon(const QPoint* points, int count);

    // Keeps one painter open across many drawing calls (a clock tick, a dial).
    void beginBatch();
    void endBatch();

    // Shows what was drawn at once, instead of at the next idle moment.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Painting over the persistent image, for a box that turns it on: paintOver() draws
    // on any painter (the window's at each paint, or the picture image() gives), and
    // overChanged() tells where what it paints has changed.
    void setPaintsOver(bool on) { m_paintsOver = on; }
    virtual void paintOver(QPainter& painter) const;
    void overChanged(const QRegion& area);

private:
    QPainter& painter();
    void release(QPainter& p);
    // The persistent image changed.
    void changed();
    // The metrics of the drawing font, made once per font rather than once per text.
    const QFontMetricsF& metrics() const;
    void ensureImage();

    QImage m_image;
    QImage m_picture;
    // image() of a box that paints over its image: made when asked, dropped at a change.
    mutable QImage m_shown;
    bool m_paintsOver = false;
    QColor m_back{Qt::white};
    QFont m_font;
    mutable std::unique_ptr<QFontMetricsF> m_metrics;
    double m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
    bool m_pixelScale = true;
    std::unique_ptr<QPainter> m_batch;
    QPainter m_single;
};
