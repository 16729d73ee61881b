// SPDX-License-Identifier: GPL-3.0-or-later
#include "surfacemask.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace globes {

namespace {

struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

// Box average of the texture over a regular grid. Every grid cell takes the
// mean colour of the texels it covers, with partly covered texels weighted by
// the covered part, so no texel is skipped or counted twice.
std::vector<Rgb> areaAverage(const QImage& texture, int width, int height)
{
    const QImage src = texture.convertToFormat(QImage::Format_RGB32);
    const double stepX = double(src.width()) / width;
    const double stepY = double(src.height()) / height;

    // Spans of texels, with weights, that make up each column and each row.
    struct Span {
        int first = 0;
        std::vector<double> weights;
    };
    auto spans = [](int cells, double step, int limit) {
        std::vector<Span> out(static_cast<std::size_t>(cells));
        for (int c = 0; c < cells; ++c) {
            const double lo = c * step;
            const double hi = lo + step;
            Span& s = out[std::size_t(c)];
            s.first = int(std::floor(lo));
            for (int t = s.first; t < limit && t < hi; ++t) {
                const double w = std::min(hi, t + 1.0) - std::max(lo, double(t));
                s.weights.push_back(w);
            }
        }
        return out;
    };
    const std::vector<Span> cols = spans(width, stepX, src.width());
    const std::vector<Span> rows = spans(height, stepY, src.height());

    std::vector<Rgb> out(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        const Span& row = rows[std::size_t(y)];
        for (int x = 0; x < width; ++x) {
            const Span& col = cols[std::size_t(x)];
            Rgb sum;
            double total = 0.0;
            for (std::size_t j = 0; j < row.weights.size(); ++j) {
                const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(row.first + int(j)));
                for (std::size_t i = 0; i < col.weights.size(); ++i) {
                    const double w = row.weights[j] * col.weights[i];
                    const QRgb px = line[col.first + int(i)];
                    sum.r += w * qRed(px);
                    sum.g += w * qGreen(px);
                    sum.b += w * qBlue(px);
                    total += w;
                }
            }
            out[std::size_t(y) * std::size_t(width) + std::size_t(x)] =
                Rgb{sum.r / total, sum.g / total, sum.b / total};
        }
    }
    return out;
}

// Separable Gaussian blur of a width x height field. Rows wrap around (the
// left and right edges are the same meridian), columns stop at the poles.
void blur(std::vector<float>& field, int width, int height, double sigma)
{
    if (sigma <= 0.0)
        return;
    const int radius = int(std::ceil(sigma * 3.0));
    std::vector<double> kernel(std::size_t(2 * radius + 1));
    double sum = 0.0;
    for (int k = -radius; k <= radius; ++k) {
        const double v = std::exp(-0.5 * (k * k) / (sigma * sigma));
        kernel[std::size_t(k + radius)] = v;
        sum += v;
    }
    for (double& v : kernel)
        v /= sum;

    std::vector<float> tmp(field.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double acc = 0.0;
            for (int k = -radius; k <= radius; ++k) {
                const int sx = ((x + k) % width + width) % width;
                acc += kernel[std::size_t(k + radius)] * field[std::size_t(y * width + sx)];
            }
            tmp[std::size_t(y * width + x)] = float(acc);
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double acc = 0.0;
            for (int k = -radius; k <= radius; ++k) {
                const int sy = std::clamp(y + k, 0, height - 1);
                acc += kernel[std::size_t(k + radius)] * tmp[std::size_t(sy * width + x)];
            }
            field[std::size_t(y * width + x)] = float(acc);
        }
    }
}

} // namespace

SurfaceMask::Kind SurfaceMask::classify(double r, double g, double b)
{
    const double hi = std::max({r, g, b});
    const double lo = std::min({r, g, b});
    // Ice caps, sea ice and snowy peaks are bright and grey or bluish white;
    // the brightest deserts are just as light but clearly yellow.
    if (lo > 150.0 && hi - lo < 70.0 && b >= r - 12.0)
        return Kind::Ice;
    // Water is clearly bluer than it is red: deep ocean is dark navy and
    // shallow coastal sea turns turquoise, but both keep blue on top. Dark
    // forests and tundra have little blue, deserts have more red than blue.
    if (b > r + 22.0 && b >= g - 8.0)
        return Kind::Sea;
    return Kind::Land;
}

SurfaceMask SurfaceMask::fromTexture(const QImage& texture, int gridWidth, double landBlur, double iceBlur)
{
    SurfaceMask mask;
    if (texture.isNull() || gridWidth < 2)
        return mask;

    mask.m_width = gridWidth;
    mask.m_height = gridWidth / 2;
    const std::vector<Rgb> colours = areaAverage(texture, mask.m_width, mask.m_height);

    mask.m_land.assign(colours.size(), 0.0f);
    mask.m_ice.assign(colours.size(), 0.0f);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        switch (classify(colours[i].r, colours[i].g, colours[i].b)) {
        case Kind::Land:
            mask.m_land[i] = 1.0f;
            break;
        case Kind::Ice:
            mask.m_ice[i] = 1.0f;
            break;
        case Kind::Sea:
            break;
        }
    }
    blur(mask.m_land, mask.m_width, mask.m_height, landBlur);
    blur(mask.m_ice, mask.m_width, mask.m_height, iceBlur);
    return mask;
}

Cover SurfaceMask::sample(double lonDeg, double latDeg) const
{
    if (isEmpty())
        return {};
    // Grid coordinates with cell centres on whole numbers.
    const double gx = (lonDeg + 180.0) / 360.0 * m_width - 0.5;
    const double gy = std::clamp((90.0 - latDeg) / 180.0 * m_height - 0.5, 0.0, double(m_height - 1));
    const double fx = std::floor(gx);
    const double fy = std::floor(gy);
    const double tx = gx - fx;
    const double ty = gy - fy;
    const int x0 = ((int(fx) % m_width) + m_width) % m_width;
    const int x1 = (x0 + 1) % m_width;
    const int y0 = int(fy);
    const int y1 = std::min(y0 + 1, m_height - 1);

    auto at = [&](const std::vector<float>& f) {
        auto v = [&](int x, int y) { return double(f[std::size_t(y * m_width + x)]); };
        const double top = v(x0, y0) * (1.0 - tx) + v(x1, y0) * tx;
        const double bottom = v(x0, y1) * (1.0 - tx) + v(x1, y1) * tx;
        return top * (1.0 - ty) + bottom * ty;
    };
    return Cover{at(m_land), at(m_ice)};
}

} // namespace globes
