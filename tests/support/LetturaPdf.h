// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads back a printed page: every word of a PDF with its box on the page in
// millimetres, through `pdftotext -bbox` (poppler-utils).

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QVector>
#include <algorithm>
#include <functional>

struct ParolaPdf {
    QString testo;
    QRectF mm; // from the top-left corner of the sheet
    QPointF centro() const { return mm.center(); }
};

inline QString TogliEntitaHtml(QString s)
{
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&apos;"), QLatin1String("'"));
    s.replace(QLatin1String("&#39;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

// The words of a page (the first unless told), in reading order; empty when the file
// cannot be read.
inline QVector<ParolaPdf> LeggiParolePdf(const QString& file, QString* errore = nullptr, int pagina = 1)
{
    QProcess p;
    const QString n = QString::number(pagina);
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-bbox"), QStringLiteral("-f"), n, QStringLiteral("-l"), n, file, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (errore)
            *errore =
                QStringLiteral("pdftotext failed: ") + p.errorString() + QString::fromUtf8(p.readAllStandardError());
        return {};
    }
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression parola(QStringLiteral(
        "<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">(.*?)</word>"));
    constexpr double mmPerPunto = 25.4 / 72;
    QVector<ParolaPdf> parole;
    for (auto it = parola.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const double x0 = m.captured(1).toDouble() * mmPerPunto;
        const double y0 = m.captured(2).toDouble() * mmPerPunto;
        const double x1 = m.captured(3).toDouble() * mmPerPunto;
        const double y1 = m.captured(4).toDouble() * mmPerPunto;
        parole.append({TogliEntitaHtml(m.captured(5)), QRectF(QPointF(x0, y0), QPointF(x1, y1))});
    }
    return parole;
}

// The words that satisfy `condizione`.
inline QVector<ParolaPdf> ParoleDove(const QVector<ParolaPdf>& parole,
                                     const std::function<bool(const ParolaPdf&)>& condizione)
{
    QVector<ParolaPdf> scelte;
    for (const ParolaPdf& p : parole)
        if (condizione(p))
            scelte.append(p);
    return scelte;
}

// The words whose top edge lies within `tolleranza` mm of `y`, left to right, joined by spaces.
inline QString RigaPdf(const QVector<ParolaPdf>& parole, double y, double tolleranza = 0.5, QRectF* box = nullptr)
{
    QVector<ParolaPdf> riga =
        ParoleDove(parole, [&](const ParolaPdf& p) { return qAbs(p.mm.top() - y) <= tolleranza; });
    std::sort(riga.begin(), riga.end(),
              [](const ParolaPdf& a, const ParolaPdf& b) { return a.mm.left() < b.mm.left(); });
    QStringList testi;
    QRectF unione;
    for (const ParolaPdf& p : riga) {
        testi << p.testo;
        unione = unione.isNull() ? p.mm : unione.united(p.mm);
    }
    if (box)
        *box = unione;
    return testi.join(QLatin1Char(' '));
}
