// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBox.h"

#include <QPaintEvent>
#include <cmath>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), m_font(QStringLiteral("Arial"))
{
    m_font.setPointSizeF(8.25);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureBox::~PictureBox()
{
    endBatch();
}

void PictureBox::setScale(double left, double top, double right, double bottom)
{
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
    m_pixelScale = false;
}

void PictureBox::setPixelScale()
{
    m_pixelScale = true;
}

QPointF PictureBox::toPixel(double x, double y) const
{
    if (m_pixelScale || scaleWidth() == 0 || scaleHeight() == 0)
        return {x, y};
    return {(x - m_left) * width() / scaleWidth(), (y - m_top) * height() / scaleHeight()};
}

double PictureBox::toPixelWidth(double w) const
{
    if (m_pixelScale || scaleWidth() == 0)
        return w;
    return w * width() / scaleWidth();
}

double PictureBox::toPixelHeight(double h) const
{
    if (m_pixelScale || scaleHeight() == 0)
        return h;
    return h * height() / scaleHeight();
}

void PictureBox::setBackColor(const QColor& c)
{
    m_back = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
}

void PictureBox::setDrawFont(const QFont& f)
{
    m_font = f;
    m_metrics.reset();
    if (m_batch)
        m_batch->setFont(f);
}

void PictureBox::ensureImage()
{
    const qreal dpr = devicePixelRatioF();
    const QSize want = size() * dpr;
    if (m_image.size() == want && m_image.devicePixelRatio() == dpr)
        return;
    // An opaque box keeps an opaque image: the window takes it as a plain copy, where a
    // picture with alpha would be blended onto it pixel by pixel.
    const QImage::Format formato = m_back.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    QImage next(want.expandedTo(QSize(1, 1)), formato);
    next.setDevicePixelRatio(dpr);
    next.fill(m_back);
    if (!m_image.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, m_image);
    }
    m_image = next;
}

void PictureBox::cls()
{
    endBatch();
    ensureImage();
    if (!m_picture.isNull() && m_picture.size() == m_image.size()) {
        // The image shares the picture's pixels until it is drawn on again.
        m_image = m_picture;
    } else {
        m_image.fill(m_back);
        if (!m_picture.isNull()) {
            QPainter p(&m_image);
            p.drawImage(0, 0, m_picture);
        }
    }
    currentX = currentY = 0;
    changed();
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    cls();
}

void PictureBox::clearPicture()
{
    m_picture = QImage();
}

void PictureBox::storeImageAsPicture()
{
    endBatch();
    ensureImage();
    // Shared: the next drawing gives the image pixels of its own, the picture keeps these.
    m_picture = m_image;
}

const QImage& PictureBox::image() const
{
    if (!m_paintsOver || m_image.isNull())
        return m_image;
    if (m_shown.isNull()) {
        m_shown = m_image.copy();
        QPainter p(&m_shown);
        paintOver(p);
    }
    return m_shown;
}

QColor PictureBox::pixelAt(int x, int y) const
{
    const QImage& shown = image();
    const qreal dpr = shown.devicePixelRatio();
    const QPoint p(qRound(x * dpr), qRound(y * dpr));
    if (!shown.rect().contains(p))
        return {};
    return shown.pixelColor(p);
}

QPainter& PictureBox::painter()
{
    if (m_batch)
        return *m_batch;
    ensureImage();
    m_single.begin(&m_image);
    m_single.setRenderHint(QPainter::Antialiasing);
    m_single.setRenderHint(QPainter::TextAntialiasing);
    m_single.setFont(m_font);
    return m_single;
}

void PictureBox::release(QPainter& p)
{
    if (&p == &m_single)
        m_single.end();
    changed();
}

void PictureBox::changed()
{
    m_shown = QImage();
    update();
}

void PictureBox::paintOver(QPainter&) const {}

void PictureBox::overChanged(const QRegion& area)
{
    m_shown = QImage();
    update(area);
}

void PictureBox::beginBatch()
{
    if (m_batch)
        return;
    ensureImage();
    m_batch = std::make_unique<QPainter>(&m_image);
    m_batch->setRenderHint(QPainter::Antialiasing);
    m_batch->setRenderHint(QPainter::TextAntialiasing);
    m_batch->setFont(m_font);
}

void PictureBox::endBatch()
{
    if (!m_batch)
        return;
    m_batch->end();
    m_batch.reset();
    changed();
}

void PictureBox::line(double x1, double y1, double x2, double y2, const QColor& c)
{
    QPainter& p = painter();
    p.setPen(QPen(c, drawWidth));
    p.drawLine(toPixel(x1, y1), toPixel(x2, y2));
    currentX = x2;
    currentY = y2;
    release(p);
}

void PictureBox::box(double x1, double y1, double x2, double y2, const QColor& c, bool filled)
{
    QPainter& p = painter();
    const QRectF r = QRectF(toPixel(x1, y1), toPixel(x2, y2)).normalized();
    if (filled) {
        // A filled box covers its whole area without blending its edges.
        const bool aa = p.testRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(r, c);
        p.setRenderHint(QPainter::Antialiasing, aa);
    } else {
        p.setPen(QPen(c, drawWidth));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
    currentX = x2;
    currentY = y2;
    release(p);
}

void PictureBox::circle(double x, double y, double radius, const QColor& outline)
{
    QPainter& p = painter();
    const QPointF c = toPixel(x, y);
    const double r = std::abs(toPixelWidth(radius));
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.setPen(QPen(outline, drawWidth));
    p.setBrush(fillSolid ? QBrush(fillColor) : QBrush(Qt::NoBrush));
    p.drawEllipse(c, r, r);
    p.setRenderHint(QPainter::Antialiasing, true);
    currentX = x;
    currentY = y;
    release(p);
}

void PictureBox::pset(double x, double y, const QColor& c)
{
    QPainter& p = painter();
    const QPointF pt = toPixel(x, y);
    const bool aa = p.testRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(std::floor(pt.x()), std::floor(pt.y()), 1, 1), c);
    p.setRenderHint(QPainter::Antialiasing, aa);
    currentX = x;
    currentY = y;
    release(p);
}

void PictureBox::print(const QString& text)
{
    QPainter& p = painter();
    p.setFont(m_font);
    p.setPen(foreColor);
    const QPointF topLeft = toPixel(currentX, currentY);
    p.drawText(QPointF(topLeft.x(), topLeft.y() + metrics().ascent()), text);
    currentY += textHeight(text);
    release(p);
}

const QFontMetricsF& PictureBox::metrics() const
{
    if (!m_metrics)
        m_metrics = std::make_unique<QFontMetricsF>(m_font, const_cast<PictureBox*>(this));
    return *m_metrics;
}

double PictureBox::textWidth(const QString& text) const
{
    const double px = metrics().horizontalAdvance(text);
    if (m_pixelScale || width() == 0)
        return px;
    return px * scaleWidth() / width();
}

double PictureBox::textAscent() const
{
    return metrics().ascent();
}

double PictureBox::textHeight(const QString&) const
{
    const double px = metrics().height();
    if (m_pixelScale || height() == 0)
        return px;
    return px * scaleHeight() / height();
}

void PictureBox::paintPicture(const QImage& picture, double x, double y, double w, double h)
{
    if (picture.isNull())
        return;
    QPainter& p = painter();
    const QSizeF own = picture.deviceIndependentSize();
    const double pw = w == 0 ? own.width() : toPixelWidth(w);
    const double ph = h == 0 ? own.height() : toPixelHeight(h);
    const QPointF at = toPixel(x, y);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // A negative size paints the picture mirrored, anchored at (x, y).
    p.translate(at);
    p.scale(pw < 0 ? -1 : 1, ph < 0 ? -1 : 1);
    p.drawImage(QRectF(0, 0, std::abs(pw), std::abs(ph)), picture);
    p.restore();
    release(p);
}

void PictureBox::polygon(const QPoint* points, int count)
{
    QPainter& p = painter();
    p.setPen(QPen(foreColor, 1));
    p.setBrush(fillColor);
    p.drawPolygon(points, count);
    release(p);
}

void PictureBox::refresh()
{
    endBatch();
    repaint();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    if (m_image.isNull()) {
        p.fillRect(event->rect(), m_back);
        return;
    }
    // One plain copy a rectangle of the changed area: under a rectangular clip the image
    // is copied row by row, where any other clip would blend it span by span. The whole
    // image is given, whole pixel on whole pixel, and the clip picks the rectangle: a
    // part cut out in fractions of a device pixel (at 125 %) would be resampled.
    for (const QRect& r : event->region()) {
        p.setClipRect(r);
        p.drawImage(QPointF(0, 0), m_image);
    }
    p.setClipping(false);
    if (m_paintsOver)
        paintOver(p);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    endBatch();
    ensureImage();
}
