// SPDX-License-Identifier: GPL-3.0-or-later
// Sea, land and ice cover of the whole Earth, taken from an equirectangular
// satellite texture and kept as smooth fractions so that any projection can
// sample it at any resolution.
#pragma once

#include <QImage>

#include <vector>

namespace globes {

// How much of a small patch of the Earth's surface is land and how much is
// ice or snow; the rest is water.
struct Cover {
    double land = 0.0;
    double ice = 0.0;

    double solid() const { return land + ice; }
};

class SurfaceMask {
public:
    // Averages the texture down to a grid `gridWidth` cells wide (the height
    // is half of it), classifies every cell as sea, land or ice and softens
    // the result with a small blur: `landBlur` grid cells for land, and
    // `iceBlur` for ice, whose broken edge on the polar seas needs more
    // calming than coastlines do. The texture must run
    // from longitude -180 to 180 left to right and latitude 90 to -90 top to
    // bottom. Returns an empty mask if the texture is null.
    static SurfaceMask fromTexture(const QImage& texture, int gridWidth, double landBlur, double iceBlur);

    bool isEmpty() const { return m_width == 0; }

    // Cover at a point, interpolated between the grid cells. Longitudes wrap
    // around, latitudes are clamped to the poles.
    Cover sample(double lonDeg, double latDeg) const;

private:
    enum class Kind { Sea, Land, Ice };
    static Kind classify(double r, double g, double b);

    int m_width = 0;
    int m_height = 0;
    std::vector<float> m_land;
    std::vector<float> m_ice;
};

} // namespace globes
