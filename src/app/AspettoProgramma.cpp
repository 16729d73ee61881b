// SPDX-License-Identifier: GPL-3.0-or-later
#include "AspettoProgramma.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace AspettoProgramma {

namespace {
const QString kStile = QStringLiteral("Fusion");
} // namespace

QPalette Tavolozza()
{
    const std::unique_ptr<QStyle> stile(QStyleFactory::create(kStile));
    QPalette tavolozza = stile ? stile->standardPalette() : QPalette(QColor(0xef, 0xef, 0xef));
    // Every role counts as chosen: a later change of the desktop's palette (the
    // colour scheme switched while the program runs) leaves it as it is.
    tavolozza.setResolveMask(~QPalette::ResolveMask(0));
    return tavolozza;
}

void Applica()
{
    QApplication::setStyle(kStile);
    QApplication::setPalette(Tavolozza());
}

} // namespace AspettoProgramma
