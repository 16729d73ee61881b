// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own scale on a scaled desktop. Qt fixes a screen's device pixel ratio
// when the application object is made; when the primary screen has enough pixels but
// the desktop's scale leaves fewer than 800x600 logical ones, the application object
// is made again with Qt's global scale factor lowered to fit.

#include <QApplication>
#include <QByteArray>
#include <memory>
#include <optional>
#include <vector>

class ScalaSchermo {
public:
    // Keeps a copy of the command line: Qt takes its own options out of it.
    ScalaSchermo(int argc, char* argv[]);

    // Makes the application object, and makes it again at a lower scale when the
    // primary screen needs it.
    std::unique_ptr<QApplication> CreaApplicazione();

    // Qt's global scale factor that gives the primary screen at least 800x600
    // logical pixels, when the present one does not and a lower one can.
    static std::optional<double> FattoreRidotto();

private:
    std::vector<QByteArray> m_argomenti;
    std::vector<char*> m_puntatori;
    int m_argc = 0;
    int m_argcOriginale = 0;
    char** m_argvOriginale = nullptr;
};
