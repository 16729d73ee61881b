// SPDX-License-Identifier: GPL-3.0-or-later
#include "Risorse.h"

#include "Deposito.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace Risorse {
namespace {

// The one table of numbered resources.
struct Voce {
    int id;
    const char* percorso;
};

constexpr Voce kSuoni[] = {
    {101, ":/sounds/101.wav"}, {102, ":/sounds/102.wav"}, {103, ":/sounds/103.wav"},
    {104, ":/sounds/104.wav"}, {105, ":/sounds/105.wav"}, {106, ":/sounds/106.wav"},
    {107, ":/sounds/107.wav"}, {108, ":/sounds/108.wav"}, {109, ":/sounds/109.wav"},
};

constexpr Voce kBitmap[] = {
    {231, ":/pictures/alarm_right_1.svg"},  {232, ":/pictures/alarm_right_2.svg"},
    {233, ":/pictures/alarm_wrong_1.svg"},  {234, ":/pictures/alarm_wrong_2.svg"},
    {235, ":/pictures/alarm_notice_1.svg"}, {236, ":/pictures/alarm_notice_2.svg"},
    {237, ":/pictures/paper_fastener.svg"},
};

constexpr Voce kCursori[] = {
    {101, ":/pictures/hand_cursor.svg"},
};

// Pictures without a number, by the name the windows give them.
struct Figura {
    const char* nome;
    const char* percorso;
};

constexpr Figura kFigure[] = {
    {"luna", ":/pictures/moon.svg"},
    {"sole", ":/pictures/sun_day.svg"},
    {"imgSole", ":/pictures/sun_rising.svg"},
    {"sole2", ":/pictures/sun_pale.svg"},
    {"Gallo", ":/pictures/rooster.svg"},
    {"Civetta", ":/pictures/owl.svg"},
    {"imgNuvole", ":/pictures/clouds.svg"},
    {"imgsolep", ":/pictures/marker_sun.svg"},
    {"imglunap", ":/pictures/marker_moon.svg"},
    {"cmdTest", ":/pictures/btn_exercises.svg"},
    {"chkFusiOrari", ":/pictures/btn_map.svg"},
    {"optCtrTime_0", ":/pictures/btn_mode_manual.svg"},
    {"optCtrTime_1", ":/pictures/btn_mode_current.svg"},
    {"optStyleNum_0", ":/pictures/btn_style_dots.svg"},
    {"optStyleNum_1", ":/pictures/btn_style_arabic.svg"},
    {"optStyleNum_2", ":/pictures/btn_style_roman.svg"},
    {"chkSuono_on", ":/pictures/btn_sound_on.svg"},
    {"chkSuono_off", ":/pictures/btn_sound_off.svg"},
    {"cmdCuriosità", ":/pictures/btn_curiosities.svg"},
    {"cmdAbout", ":/pictures/btn_about.svg"},
    {"cmdLavagna", ":/pictures/btn_class_clock.svg"},
    {"cmdGuida", ":/pictures/btn_help.svg"},
    {"cmdAscoltaOra", ":/pictures/btn_speak.svg"},
    {"cmdAscoltaDetto", ":/pictures/btn_speak.svg"},
    {"imgSpunta", ":/pictures/tick.svg"},
    {"imgTestOrologio", ":/pictures/test_clock.svg"},
    {"imgIndicaOK", ":/pictures/pointing_hand.svg"},
    {"Image2_test", ":/pictures/exercise_decoration.svg"},
    {"imgCut", ":/pictures/scissors.svg"},
    {"imgPrinter", ":/pictures/printer.svg"},
    {"Image1_print", ":/pictures/print_decoration.svg"},
    {"icona", ":/pictures/app_icon.svg"},
    {"logo", ":/pictures/author_logo.svg"},
    {"clessidra", ":/pictures/deco_hourglass.svg"},
    {"meridiana", ":/pictures/deco_sundial.svg"},
    {"civetta_libro", ":/pictures/deco_owl_book.svg"},
};

QString cerca(const Voce* tabella, size_t n, int id)
{
    for (size_t i = 0; i < n; ++i)
        if (tabella[i].id == id)
            return QString::fromLatin1(tabella[i].percorso);
    return {};
}

QImage carica(const QString& percorso, QSize size, qreal dpr)
{
    Deposito* deposito = Deposito::attuale();
    const QString chiave = QStringLiteral("%1|%2x%3|%4").arg(percorso).arg(size.width()).arg(size.height()).arg(dpr);
    if (deposito) {
        if (auto it = deposito->immagini.constFind(chiave); it != deposito->immagini.constEnd())
            return *it;
    }

    QImage img;
    if (percorso.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer svg(percorso);
        if (!svg.isValid())
            return {};
        if (size.isEmpty())
            size = svg.defaultSize();
        img = QImage(size * dpr, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        svg.render(&p);
        p.end();
        img.setDevicePixelRatio(dpr);
    } else {
        img.load(percorso);
        if (img.isNull())
            return {};
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (!size.isEmpty())
            img = img.scaled(size * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Without a size, the file is the picture drawn for that ratio.
        img.setDevicePixelRatio(dpr);
    }
    if (deposito)
        deposito->immagini.insert(chiave, img);
    return img;
}

} // namespace

QString percorsoSuono(int id)
{
    return cerca(kSuoni, std::size(kSuoni), id);
}

int FattoreFoto(qreal dpr)
{
    if (dpr <= 1.0)
        return 1;
    return dpr <= 2.0 ? 2 : 3;
}

QImage bitmap(int id, qreal dpr)
{
    // The globes and the map are drawn for 1, 2 and 3 device pixels to a pixel: the
    // picture of the next ratio up, whose logical size is that of the 1x picture.
    const int fattore = FattoreFoto(dpr);
    const QString suffisso = fattore == 1 ? QString() : QStringLiteral("@%1x").arg(fattore);
    QString foto;
    if (id >= 200 && id <= 223)
        foto = QStringLiteral(":/globe/globe_%1%2.png").arg(id - 200, 2, 10, QLatin1Char('0')).arg(suffisso);
    else if (id == 230)
        foto = QStringLiteral(":/map/world_map%1.png").arg(suffisso);
    if (!foto.isEmpty())
        return carica(foto, {}, fattore);
    const QString p = cerca(kBitmap, std::size(kBitmap), id);
    return p.isEmpty() ? QImage() : carica(p, {}, dpr);
}

QString percorsoFigura(const QString& nome)
{
    for (const Figura& f : kFigure)
        if (nome == QString::fromUtf8(f.nome))
            return QString::fromLatin1(f.percorso);
    return {};
}

QImage figura(const QString& nome, QSize size, qreal dpr)
{
    const QString p = percorsoFigura(nome);
    return p.isEmpty() ? QImage() : carica(p, size, dpr);
}

QString stringa(int id)
{
    auto leggi = [](const QString& percorso) {
        QFile f(percorso);
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(f.readAll());
    };
    if (id >= 301 && id <= 322) {
        Deposito* deposito = Deposito::attuale();
        QStringList letti;
        if (!deposito || deposito->detti.isEmpty()) {
            letti = leggi(QStringLiteral(":/strings/sayings.txt")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            if (deposito)
                deposito->detti = letti;
        }
        const QStringList& detti = deposito ? deposito->detti : letti;
        const int n = id - 301;
        return n < detti.size() ? detti[n].trimmed() : QString();
    }
    if (id == 350) {
        QString testo = leggi(QStringLiteral(":/strings/curiosita.txt"));
        testo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        return testo.trimmed().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    }
    return {};
}

QCursor cursore(int id)
{
    const QString p = cerca(kCursori, std::size(kCursori), id);
    if (p.isEmpty())
        return {};
    const QImage img = carica(p, QSize(32, 32), 1.0);
    if (img.isNull())
        return {};
    return QCursor(QPixmap::fromImage(img), 6, 5);
}

} // namespace Risorse
