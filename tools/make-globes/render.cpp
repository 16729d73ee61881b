// SPDX-License-Identifier: GPL-3.0-or-later
#include "render.h"

#include "italy.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace globes {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;
constexpr double kRadToDeg = 180.0 / std::numbers::pi;

// A pixel counts as land (or ice) once this much of its area is. A little
// under one half keeps narrow land such as Central America, the Italian boot
// and the Malay peninsula in one piece after the smoothing.
constexpr double kSolidThreshold = 0.42;

// Part of a pixel's area that must be Italian land for the pixel to turn red.
constexpr double kItalyThreshold = 0.3;

double wrapLon(double lon)
{
    lon = std::fmod(lon + 180.0, 360.0);
    if (lon < 0.0)
        lon += 360.0;
    return lon - 180.0;
}

// ---- Globe ---------------------------------------------------------------

// Shades go from the part facing the light to the limb.
constexpr int kShades = 4;

enum GlobeIndex : int {
    GlobeClear = 0,
    GlobeOutline = 1,
    GlobeSea = 2,                   // kShades entries
    GlobeLand = GlobeSea + kShades, // kShades entries
    GlobeIce = GlobeLand + kShades, // 2 entries: lit and limb
    GlobeItaly = GlobeIce + 2,
    GlobeColourCount
};
static_assert(GlobeColourCount <= 16);

QList<QRgb> globePalette()
{
    QList<QRgb> p(GlobeColourCount);
    p[GlobeClear] = qRgba(0, 0, 0, 0);
    p[GlobeOutline] = qRgb(18, 34, 66);
    const std::array<QRgb, kShades> sea{qRgb(64, 142, 226), qRgb(48, 118, 204), qRgb(36, 96, 178), qRgb(27, 74, 146)};
    const std::array<QRgb, kShades> land{qRgb(122, 196, 86), qRgb(98, 174, 68), qRgb(76, 148, 54), qRgb(57, 118, 44)};
    for (int i = 0; i < kShades; ++i) {
        p[GlobeSea + i] = sea[std::size_t(i)];
        p[GlobeLand + i] = land[std::size_t(i)];
    }
    p[GlobeIce] = qRgb(246, 249, 252);
    p[GlobeIce + 1] = qRgb(196, 212, 228);
    p[GlobeItaly] = qRgb(226, 30, 36);
    return p;
}

// Which shade band a point of the sphere falls in. The light comes from
// almost straight behind the viewer, slightly from the upper left, so the
// middle of the disc is brightest and the limb darkest, with a hint of
// roundness.
int shadeBand(double u, double v, double z)
{
    static const std::array<double, 3> light = [] {
        const double lx = -0.22, ly = 0.28, lz = 1.0;
        const double n = std::sqrt(lx * lx + ly * ly + lz * lz);
        return std::array<double, 3>{lx / n, ly / n, lz / n};
    }();
    const double lit = u * light[0] + v * light[1] + z * light[2];
    if (lit > 0.84)
        return 0;
    if (lit > 0.62)
        return 1;
    if (lit > 0.36)
        return 2;
    return 3;
}

struct GlobeSample {
    double inside = 0.0; // part of the pixel within the disc
    double land = 0.0;   // parts of the covered area
    double ice = 0.0;
    double italy = 0.0;
};

} // namespace

double subSolarLongitude(int hour)
{
    return wrapLon(15.0 - (hour - 12) * 15.0);
}

QImage renderGlobe(const SurfaceMask& mask, double centreLon, double tiltDeg, int scale)
{
    const int size = kGlobeSize * scale;
    const double centre = size / 2.0;
    const double radius = size / 2.0 - 0.5 * scale;
    constexpr int sub = 6; // sub-samples per pixel side

    const double sinTilt = std::sin(tiltDeg * kDegToRad);
    const double cosTilt = std::cos(tiltDeg * kDegToRad);

    std::vector<GlobeSample> samples(std::size_t(size * size));
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            GlobeSample& s = samples[std::size_t(py * size + px)];
            int hits = 0;
            for (int j = 0; j < sub; ++j) {
                for (int i = 0; i < sub; ++i) {
                    const double u = (px + (i + 0.5) / sub - centre) / radius;
                    const double v = (centre - (py + (j + 0.5) / sub)) / radius;
                    const double rho2 = u * u + v * v;
                    if (rho2 > 1.0)
                        continue;
                    const double z = std::sqrt(1.0 - rho2);
                    // Back from the view to the Earth: rotate by the tilt
                    // about the horizontal axis, then by the central meridian.
                    const double lat = std::asin(std::clamp(z * sinTilt + v * cosTilt, -1.0, 1.0));
                    const double lon = centreLon + std::atan2(u, z * cosTilt - v * sinTilt) * kRadToDeg;
                    const double latDeg = lat * kRadToDeg;
                    const double lonDeg = wrapLon(lon);
                    const Cover c = mask.sample(lonDeg, latDeg);
                    s.land += c.land;
                    s.ice += c.ice;
                    if (insideItaly(lonDeg, latDeg))
                        s.italy += c.solid();
                    ++hits;
                }
            }
            s.inside = double(hits) / (sub * sub);
            if (hits > 0) {
                s.land /= hits;
                s.ice /= hits;
                s.italy /= hits;
            }
        }
    }

    auto inDisc = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= size || y >= size)
            return false;
        return samples[std::size_t(y * size + x)].inside >= 0.5;
    };

    QImage img(size, size, QImage::Format_Indexed8);
    img.setColorTable(globePalette());
    img.fill(GlobeClear);

    bool italyShown = false;
    for (int py = 0; py < size; ++py) {
        uchar* line = img.scanLine(py);
        for (int px = 0; px < size; ++px) {
            if (!inDisc(px, py))
                continue;
            if (!inDisc(px - scale, py) || !inDisc(px + scale, py) || !inDisc(px, py - scale)
                || !inDisc(px, py + scale)) {
                line[px] = GlobeOutline;
                continue;
            }
            const GlobeSample& s = samples[std::size_t(py * size + px)];
            const double u = (px + 0.5 - centre) / radius;
            const double v = (centre - (py + 0.5)) / radius;
            const double z = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
            const int band = shadeBand(u, v, z);

            int index = GlobeSea + band;
            if (s.italy >= kItalyThreshold) {
                index = GlobeItaly;
                italyShown = true;
            } else if (s.land + s.ice >= kSolidThreshold) {
                index = s.ice > s.land ? GlobeIce + (band >= 2 ? 1 : 0) : GlobeLand + band;
            }
            line[px] = uchar(index);
        }
    }

    // Close to the limb Italy shrinks to less than a pixel. While it still
    // faces the viewer clearly, mark at least the pixel over its middle.
    if (!italyShown) {
        const double lat = kItalyLat * kDegToRad;
        const double dLon = (kItalyLon - centreLon) * kDegToRad;
        const double facing = sinTilt * std::sin(lat) + cosTilt * std::cos(lat) * std::cos(dLon);
        if (facing > 0.2) {
            const double u = std::cos(lat) * std::sin(dLon);
            const double v = cosTilt * std::sin(lat) - sinTilt * std::cos(lat) * std::cos(dLon);
            // One pixel of the 1x picture: a block of scale x scale.
            const int px = int(std::floor((centre + u * radius) / scale)) * scale;
            const int py = int(std::floor((centre - v * radius) / scale)) * scale;
            for (int y = py; y < py + scale; ++y)
                for (int x = px; x < px + scale; ++x)
                    if (img.valid(x, y) && img.pixelIndex(x, y) != GlobeOutline && img.pixelIndex(x, y) != GlobeClear)
                        img.setPixel(x, y, GlobeItaly);
        }
    }
    return img;
}

// ---- World map -----------------------------------------------------------

namespace {

enum MapIndex : int { MapSea = 0, MapMeridian, MapLand, MapCoast, MapIce, MapIceEdge, MapItaly, MapColourCount };
static_assert(MapColourCount <= 16);

QList<QRgb> mapPalette()
{
    QList<QRgb> p(MapColourCount);
    p[MapSea] = qRgb(58, 128, 212);
    p[MapMeridian] = qRgb(82, 148, 222);
    p[MapLand] = qRgb(112, 188, 80);
    p[MapCoast] = qRgb(80, 154, 58);
    p[MapIce] = qRgb(244, 248, 252);
    p[MapIceEdge] = qRgb(204, 218, 232);
    p[MapItaly] = qRgb(226, 30, 36);
    return p;
}

} // namespace

QImage renderWorldMap(const SurfaceMask& mask, int scale)
{
    const int w = kMapWidth * scale;
    const int h = kMapHeight * scale;
    constexpr int sub = 5;
    constexpr double leftLon = kMapCentreLon - 180.0;
    const double degPerX = 360.0 / w;
    const double degPerY = 180.0 / h;

    enum class Kind { Sea, Land, Ice, Italy };
    std::vector<Kind> kinds(std::size_t(w * h), Kind::Sea);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double land = 0.0, ice = 0.0, italy = 0.0;
            for (int j = 0; j < sub; ++j) {
                for (int i = 0; i < sub; ++i) {
                    const double lon = wrapLon(leftLon + (x + (i + 0.5) / sub) * degPerX);
                    const double lat = 90.0 - (y + (j + 0.5) / sub) * degPerY;
                    const Cover c = mask.sample(lon, lat);
                    land += c.land;
                    ice += c.ice;
                    if (insideItaly(lon, lat))
                        italy += c.solid();
                }
            }
            constexpr double n = sub * sub;
            land /= n;
            ice /= n;
            italy /= n;
            Kind& k = kinds[std::size_t(y * w + x)];
            if (land + ice < kSolidThreshold)
                k = Kind::Sea;
            else if (italy >= 0.5 * (land + ice))
                k = Kind::Italy;
            else
                k = ice > land ? Kind::Ice : Kind::Land;
        }
    }

    auto kindAt = [&](int x, int y) {
        x = (x % w + w) % w; // the map wraps around east to west
        y = std::clamp(y, 0, h - 1);
        return kinds[std::size_t(y * w + x)];
    };
    auto touchesSea = [&](int x, int y) {
        return kindAt(x - scale, y) == Kind::Sea || kindAt(x + scale, y) == Kind::Sea
            || kindAt(x, y - scale) == Kind::Sea || kindAt(x, y + scale) == Kind::Sea;
    };

    // Columns that hold a meridian at a multiple of 15 degrees: the column of the
    // 1x map, `scale` columns wide.
    std::vector<bool> meridian(std::size_t(w), false);
    for (int k = -12; k <= 12; ++k) {
        const double lon = kMapCentreLon + k * 15.0;
        const double x = (lon - leftLon) / (360.0 / kMapWidth);
        const int col = int(std::floor(x));
        if (x > 0.5 && x < kMapWidth - 0.5)
            for (int c = 0; c < scale; ++c)
                meridian[std::size_t(col * scale + c)] = true;
    }

    QImage img(w, h, QImage::Format_Indexed8);
    img.setColorTable(mapPalette());
    for (int y = 0; y < h; ++y) {
        uchar* line = img.scanLine(y);
        for (int x = 0; x < w; ++x) {
            int index = MapSea;
            switch (kindAt(x, y)) {
            case Kind::Sea:
                index = meridian[std::size_t(x)] ? MapMeridian : MapSea;
                break;
            case Kind::Land:
                index = touchesSea(x, y) ? MapCoast : MapLand;
                break;
            case Kind::Ice:
                index = touchesSea(x, y) ? MapIceEdge : MapIce;
                break;
            case Kind::Italy:
                index = MapItaly;
                break;
            }
            line[x] = uchar(index);
        }
    }
    return img;
}

} // namespace globes
