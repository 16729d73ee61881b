// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program keeps the pictures it has rendered and the texts it has read,
// so that each is made once. Its owner decides how long that lasts: the program's
// main() keeps one for the whole run and lets it go before Qt's own globals go.
// While none exists, every picture is rendered afresh.

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

namespace Risorse {

class Deposito {
public:
    Deposito();
    ~Deposito();
    Deposito(const Deposito&) = delete;
    Deposito& operator=(const Deposito&) = delete;

    // The one the resources use now, or null.
    static Deposito* attuale();

    QHash<QString, QImage> immagini;
    // The sayings, once read; empty until then.
    QStringList detti;

private:
    Deposito* m_precedente;
};

} // namespace Risorse
