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
    QImage next(want.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
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
        // The common case of a clock tick: the stored dial is copied back whole.
        m_image = m_picture;
        m_image.detach();
    } else {
        m_image.fill(m_back);
        if (!m_picture.isNull()) {
            QPainter p(&m_image);
            p.drawImage(0, 0, m_picture);
        }
    }
    currentX = currentY = 0;
    update();
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
    m_picture = m_image;
    m_picture.detach();
}

QColor PictureBox::pixelAt(int x, int y) const
{
    const qreal dpr = m_image.devicePixelRatio();
    const QPoint p(qRound(x * dpr), qRound(y * dpr));
    if (!m_image.rect().contains(p))
        return {};
    return m_image.pixelColor(p);
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
    update();
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
    update();
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
    p.drawImage(event->rect().topLeft(), m_image,
                QRectF(QPointF(event->rect().topLeft()) * m_image.devicePixelRatio(),
                       QSizeF(event->rect().size()) * m_image.devicePixelRatio()));
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    endBatch();
    ensureImage();
}
