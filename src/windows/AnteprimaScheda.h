// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview of a worksheet's page: the page drawn by the same painter as the
// printed one, as a white sheet scaled to the widget, sharp on dense screens.

#include <QImage>
#include <QWidget>

#include "CodiceScheda.h"

class AnteprimaScheda : public QWidget {
    Q_OBJECT
public:
    explicit AnteprimaScheda(QWidget* parent = nullptr);

    // Shows a page: the sheet of `codice` with `titolo`, or its key.
    void Mostra(const CodiceScheda& codice, const QString& titolo, bool soluzioni);
    // The page as it is shown (for the tests and the screen reader's description).
    const QImage& Immagine() const { return m_immagine; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Ridisegna();

    CodiceScheda m_codice;
    QString m_titolo;
    bool m_soluzioni = false;
    QImage m_immagine;
};
