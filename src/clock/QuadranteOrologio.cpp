#include "QuadranteOrologio.h"

#include <QFont>
#include <cmath>

#include "ArrotondaPari.h"
#include "FrasiOra.h"
#include "Lancette.h"
#include "NumeriRomani.h"

QuadranteOrologio::QuadranteOrologio(QWidget* parent) : PictureBox(parent)
{
    setObjectName(QStringLiteral("p1"));
    setAccessibleName(QStringLiteral("Orologio"));
    setGeometry(0, 0, 388, 408);
    setBackColor(Qt::black);
    cls();
    setFocusPolicy(Qt::StrongFocus);
}

void QuadranteOrologio::DisegnaQuadrante()
{
    const int R = Raggio;
    const int W = 2 * R + 28;
    const int H = 2 * R + 48;

    clearPicture();
    resize(W, H);
    setScale(0, H, W, 0);
    cls();
    CentroX = std::abs(static_cast<float>(scaleWidth())) / 2;
    CentroY = std::abs(static_cast<float>(scaleHeight())) / 2;

    beginBatch();
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(14);
    f.setBold(true);
    setDrawFont(f);
    fillSolid = false;
    drawWidth = 2;

    // The shading is a fill of overlapping rings: smoothing their edges would only cost time.
    smooth = false;
    for (int i = 0; i <= R; ++i) {
        const int g = qBound(0, 235 - i, 255);
        circle(CentroX, CentroY, i, QColor(g, g, g));
    }
    smooth = true;
    for (int k = 1; k <= 6; ++k) {
        const int g = 100 + 18 * k;
        circle(CentroX, CentroY, R + 1 + k, QColor(g, g, g));
    }
    for (int k = 1; k <= 6; ++k) {
        const int g = 200 - 18 * k;
        circle(CentroX, CentroY, R + 7 + k, QColor(g, g, g));
    }

    drawWidth = 1;
    fillColor = ColoreQuadrante;
    fillSolid = true;
    const bool punti = m_stile == Stile::Punti;
    for (int a = 0; a < 360; ++a) {
        if (a % 6 != 0)
            continue;
        const double rad = (90.0 - a) * kGradiInRadianti;
        float x = static_cast<float>(CentroX + 0.83 * R * std::cos(rad));
        float y = static_cast<float>(CentroY + 0.83 * R * std::sin(rad));
        if (a % 30 == 0) {
            if (punti) {
                if (a % 90 == 0)
                    circle(x, y, 8, QColor(0, 0, 255));
                else
                    circle(x, y, 5, Qt::white);
            } else {
                DisegnaQuarti(x, y, a);
            }
        } else {
            circle(x, y, 1, ColoreQuadrante);
        }
    }
    endBatch();
    storeImageAsPicture();

    QFont piccolo(QStringLiteral("Arial"));
    piccolo.setPointSize(8);
    setDrawFont(piccolo);
    ++m_disegniQuadrante;
    emit quadranteRidisegnato();
}

void QuadranteOrologio::DisegnaQuarti(float& x, float& y, int angolo)
{
    if (angolo == 0)
        angolo = 360;
    const QString testo = m_stile == Stile::Arabi ? QString::number(angolo / 30) : NumeroRomano(angolo / 30);
    x = static_cast<float>(x - textWidth(testo) / 2);
    y = static_cast<float>(y - textHeight(testo) / 2);
    currentX = x;
    currentY = y;
    foreColor = ColoreQuadrante;
    print(testo);
}

void QuadranteOrologio::DisegnaLancetta(int lunghezza, int semiLarghezza, const QString& chiave)
{
    double angolo = 0, distanza = 0;
    int valore = 0;
    QChar unita;
    QColor riempimento;
    if (chiave == QLatin1String("sOre")) {
        angolo = m_campi.ore * 30.0;
        valore = static_cast<int>(std::floor(m_campi.ore));
        unita = QLatin1Char('h');
        distanza = 0.55 * Raggio;
        riempimento = ColoreOre;
    } else if (chiave == QLatin1String("sMinuti")) {
        angolo = m_campi.minuti * 6.0;
        valore = static_cast<int>(std::floor(m_campi.minuti));
        unita = QLatin1Char('m');
        distanza = 0.72 * Raggio;
        riempimento = ColoreMinuti;
    } else {
        angolo = m_campi.secondi * 6.0;
        valore = static_cast<int>(m_campi.secondi);
        unita = QLatin1Char('s');
        distanza = 0.94 * Raggio;
        riempimento = ColoreSecondi;
    }

    // The face's upward coordinates and its pixels share the centre point.
    const auto angoli = AngoliLancetta(CentroX, height() - CentroY, lunghezza, semiLarghezza, angolo, Raggio);
    foreColor = ColoreSecondi;
    fillColor = riempimento;
    polygon(angoli.data(), 4);

    if (MostraEtichette) {
        const QString testo = EtichettaLancetta(valore, unita);
        const double a = (90.0 - angolo) * kGradiInRadianti;
        const double x = CentroX + distanza * std::cos(a);
        const double y = CentroY + distanza * std::sin(a);
        currentX = x - textWidth(testo) / 2;
        currentY = y - textHeight(testo) / 2;
        foreColor = ColoreEtichette;
        print(testo);
        foreColor = ColoreSecondi;
    }
}

void QuadranteOrologio::MostraOra(float T, const CampiOra& campi)
{
    m_campi = campi;
    // The hands move in whole seconds: five ticks a second redraw the face only once.
    const Faccia faccia{static_cast<long>(std::floor(T)), MostraEtichette, MostraSecondi, FattoreLancette,
                        m_disegniQuadrante};
    if (faccia == m_faccia)
        return;
    m_faccia = faccia;
    DisegnaFaccia();
    AggiornaDescrizione();
}

void QuadranteOrologio::DisegnaFaccia()
{
    // The face goes back to the stored dial; then the hands, their labels and the hub.
    cls();
    beginBatch();
    const float F = FattoreLancette;
    DisegnaLancetta(ArrotondaPari(Raggio * 0.44 * F), ArrotondaPari(Raggio * 0.06 * F), QStringLiteral("sOre"));
    DisegnaLancetta(ArrotondaPari(Raggio * 0.64 * F), ArrotondaPari(Raggio * 0.04 * F), QStringLiteral("sMinuti"));
    if (MostraSecondi)
        DisegnaLancetta(ArrotondaPari(Raggio * 0.72), 0, QStringLiteral("sSecondi"));
    fillColor = ColoreSecondi;
    fillSolid = true;
    drawWidth = 1;
    circle(CentroX, CentroY, 5, Qt::black);
    endBatch();
}

void QuadranteOrologio::AggiornaDescrizione()
{
    // Screen readers hear the shown time as a sentence; during the exercises, where the
    // read-out and the labels are hidden, only where the hands point, never the answer.
    // The sentence is kept without telling them: the running clock is not announced,
    // only the changes the child makes (see AccessibileQuadrante).
    const int ore = static_cast<int>(m_campi.ore), minuti = static_cast<int>(m_campi.minuti);
    m_frase = MostraEtichette ? FraseOra(ore, minuti) : FraseLancette(ore, minuti);
}
