// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the 24 hourly globes and the world map of the program from the NASA
// Visible Earth texture shipped in Debian's xplanet-images package:
//
//   make-globes [--texture earth.jpg] [--preview sheet.png] RESOURCES_DIR
//
// creates RESOURCES_DIR/globe/globe_00.png ... globe_23.png and
// RESOURCES_DIR/map/world_map.png, and each of them also at two and three times
// the size for dense screens (globe_00@2x.png, world_map@3x.png, ...), drawn from
// the same source at that size. With --preview it also writes a sheet with every
// picture enlarged four times, for checking them by eye.

#include "render.h"
#include "surfacemask.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

// Cells of the working grid around the Earth: a quarter of a degree is finer
// than any output pixel, yet coarse enough to average away the texture's
// compression noise.
constexpr int kGridWidth = 1440;
// Smoothing of the coastlines and of the edge of the polar ice, in grid cells.
constexpr double kLandBlur = 1.2;
constexpr double kIceBlur = 3.0;
// The globes are seen from 15 degrees north, so that Europe sits a little
// above the middle and both poles are not equally squeezed.
constexpr double kTiltDeg = 15.0;

// The pictures are made for screens of 1, 2 and 3 device pixels to a pixel.
constexpr int kLargestScale = 3;

// "" for the 1x picture, "@2x" and "@3x" for the others.
QString scaleSuffix(int scale)
{
    return scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
}

bool save(const QImage& img, const QString& path)
{
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "make-globes: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage previewSheet(const std::vector<QImage>& globes, const QImage& map)
{
    constexpr int zoom = 4;
    constexpr int gap = 12;
    constexpr int columns = 6;
    const int cell = globes::kGlobeSize * zoom + gap;
    const int rows = int((globes.size() + columns - 1) / columns);
    const int width = std::max(columns * cell + gap, map.width() * zoom + 2 * gap);
    const int height = rows * cell + gap + map.height() * zoom + gap;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter p(&sheet);
    for (std::size_t i = 0; i < globes.size(); ++i) {
        const int x = gap + int(i % columns) * cell;
        const int y = gap + int(i / columns) * cell;
        const QImage big = globes[i].scaled(globes[i].size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        p.drawImage(x, y, big);
    }
    const QImage bigMap = map.scaled(map.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    p.drawImage(gap, rows * cell + gap, bigMap);
    p.end();
    return sheet;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("make-globes"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the hourly globes and the world map from a satellite texture."));
    parser.addHelpOption();
    const QCommandLineOption textureOption(
        QStringLiteral("texture"),
        QStringLiteral("Equirectangular Earth texture (longitude -180..180, latitude 90..-90)."),
        QStringLiteral("file"), QStringLiteral("/usr/share/xplanet/images/earth.jpg"));
    const QCommandLineOption previewOption(
        QStringLiteral("preview"), QStringLiteral("Also write all pictures enlarged four times into this PNG file."),
        QStringLiteral("file"));
    parser.addOption(textureOption);
    parser.addOption(previewOption);
    parser.addPositionalArgument(QStringLiteral("resources"),
                                 QStringLiteral("Resource folder that receives globe/ and map/."));
    parser.process(app);

    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "%s", qPrintable(parser.helpText()));
        return 2;
    }
    const QDir resources(parser.positionalArguments().constFirst());

    const QString texturePath = parser.value(textureOption);
    const QImage texture(texturePath);
    if (texture.isNull()) {
        std::fprintf(stderr, "make-globes: cannot read the texture %s\n", qPrintable(texturePath));
        return 1;
    }
    if (texture.width() != 2 * texture.height()) {
        std::fprintf(stderr, "make-globes: %s is not twice as wide as it is high\n", qPrintable(texturePath));
        return 1;
    }

    const globes::SurfaceMask mask = globes::SurfaceMask::fromTexture(texture, kGridWidth, kLandBlur, kIceBlur);

    if (!resources.mkpath(QStringLiteral("globe")) || !resources.mkpath(QStringLiteral("map"))) {
        std::fprintf(stderr, "make-globes: cannot create folders in %s\n", qPrintable(resources.path()));
        return 1;
    }

    std::vector<QImage> globeImages;
    for (int hour = 0; hour < 24; ++hour) {
        const double lon = globes::subSolarLongitude(hour);
        for (int scale = 1; scale <= kLargestScale; ++scale) {
            const QImage globe = globes::renderGlobe(mask, lon, kTiltDeg, scale);
            if (scale == 1)
                globeImages.push_back(globe);
            const QString name =
                QStringLiteral("globe/globe_%1%2.png").arg(hour, 2, 10, QLatin1Char('0')).arg(scaleSuffix(scale));
            if (!save(globe, resources.filePath(name)))
                return 1;
        }
    }

    const QImage map = globes::renderWorldMap(mask);
    for (int scale = 1; scale <= kLargestScale; ++scale) {
        const QString name = QStringLiteral("map/world_map%1.png").arg(scaleSuffix(scale));
        if (!save(scale == 1 ? map : globes::renderWorldMap(mask, scale), resources.filePath(name)))
            return 1;
    }

    if (parser.isSet(previewOption) && !save(previewSheet(globeImages, map), parser.value(previewOption)))
        return 1;

    std::printf("make-globes: wrote 24 globes and the world map, each at 1x, 2x and 3x, into %s\n",
                qPrintable(resources.absolutePath()));
    return 0;
}
