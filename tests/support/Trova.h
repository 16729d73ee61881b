// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds a control of a window by its objectName, the name it has in the design
// ("txtTest_0", "cmdTime_3", "grpTest"), as a user of the window knows it, instead of
// reaching into the window's members. A missing or ambiguous name ends the test
// program with a message naming it: the test is wrong, not the program.

#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>
#include <QtGlobal>

template <typename T = QWidget>
T* Trova(const QObject* radice, const QString& nome)
{
    Q_ASSERT(radice);
    const QList<T*> trovati = radice->findChildren<T*>(nome);
    if (trovati.size() != 1)
        qFatal("Trova: %lld controls named \"%s\" of the requested kind under \"%s\"",
               static_cast<long long>(trovati.size()), qPrintable(nome), qPrintable(radice->objectName()));
    return trovati.first();
}

// An element of a control group by the group's name and its index: ("cmdTime", 3)
// finds "cmdTime_3".
template <typename T = QWidget>
T* Trova(const QObject* radice, const QString& gruppo, int indice)
{
    return Trova<T>(radice, gruppo + QLatin1Char('_') + QString::number(indice));
}

// The same by a name written in the test (UTF-8: "cmdCuriosità").
template <typename T = QWidget>
T* Trova(const QObject* radice, const char* nome)
{
    return Trova<T>(radice, QString::fromUtf8(nome));
}
template <typename T = QWidget>
T* Trova(const QObject* radice, const char* gruppo, int indice)
{
    return Trova<T>(radice, QString::fromUtf8(gruppo), indice);
}
