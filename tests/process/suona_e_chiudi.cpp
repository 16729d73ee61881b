// SPDX-License-Identifier: GPL-3.0-or-later
// Plays through the real sound player and then destroys it in the two orders a
// program can end in: first a player destroyed while the application object
// still exists (it must close its output without hanging), then one destroyed
// after the application object has gone (it must leave everything alone). The
// process-level sound test runs it against a private sound server and checks
// that both sounds came out and that it ended.
//
//   suona_e_chiudi <first id> <second id>
//
// Writes how long each destruction took; exit status 0 when both returned.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "RealSoundPlayer.h"

namespace {

// Runs the event loop for `ms` milliseconds, as the program does between sounds.
void attendi(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: suona_e_chiudi <first id> <second id>\n");
        return 2;
    }
    const int primo = std::atoi(argv[1]);
    const int secondo = std::atoi(argv[2]);
    auto app = std::make_unique<QCoreApplication>(argc, argv);
    QElapsedTimer t;

    auto uno = std::make_unique<RealSoundPlayer>();
    uno->play(primo);
    attendi(400);
    const bool aperto = uno->conteggi().suonati == 1;
    t.start();
    uno.reset();
    std::printf("with the application: sound %s, destroyed in %lld ms\n", aperto ? "played" : "missing",
                static_cast<long long>(t.elapsed()));

    auto due = std::make_unique<RealSoundPlayer>();
    due->play(secondo);
    attendi(400);
    app.reset();
    t.start();
    due.reset();
    std::printf("after the application: destroyed in %lld ms\n", static_cast<long long>(t.elapsed()));
    std::fflush(stdout);
    return aperto ? 0 : 1;
}
