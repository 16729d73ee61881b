// The questions of the three exercise kinds: a time to read, a time in figures to
// set on the clock, a saying to set on the clock.

#include "Esercizi.h"
#include "Platform.h"
#include "Risorse.h"
#include "frmClock.h"

void frmClock::PreparaLettura()
{
    OraCasuale();
    txtTest[0]->setText(QString());
    txtTest[1]->setText(QString());
    // The hands and the scenery show the question; the read-out stays hidden.
    MostraOra(TempoCorrente);
    TipoEsercizio = 0;
    txtTest[0]->setFocus();
}

void frmClock::PreparaImpostazione()
{
    OraCasuale();
    const int H = static_cast<int>(TempoCorrente / 3600);
    const int M = static_cast<int>(TempoCorrente - H * 3600) / 60;

    // The child reads the time in the boxes but cannot change it.
    txtTest[0]->setReadOnly(false);
    txtTest[1]->setReadOnly(false);
    txtTest[0]->setText(DueCifre(H));
    txtTest[1]->setText(DueCifre(M));
    txtTest[0]->setReadOnly(true);
    txtTest[1]->setReadOnly(true);

    // The hands start at midnight.
    TempoCorrente = 0;
    MostraOra(0);
    TipoEsercizio = 1;
    p1->setFocus();
}

void frmClock::PreparaModoDiDire()
{
    TempoCorrente = 0;
    MostraOra(0);
    lblModiDiDire->setProperty("Tag", QString());

    // Never the same saying twice in a row.
    platform().random->reseed();
    int n = 0;
    do {
        n = NumeroModoDiDire(platform().random->next());
    } while (n == UltimiValori[2]);

    const ModoDiDire detto = LeggiModoDiDire(Risorse::stringa(300 + n));
    UltimiValori[2] = static_cast<short>(n);
    lblModiDiDire->setProperty("Tag", detto.orario);
    lblModiDiDire->setText(detto.testo);
    TipoEsercizio = 2;
}
