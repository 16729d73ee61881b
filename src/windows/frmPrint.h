// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print window, the reward of the final test: the child chooses Arabic or
// Roman numerals, whether to print the minute numbers, and the name and surname
// to write on the face, then prints the clock to cut out on the default printer.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "FoglioOrologio.h"
#include "OptionGroup.h"
#include "Printers.h"

class ConsegnaStampa;

class frmPrint : public QDialog {
    Q_OBJECT
public:
    explicit frmPrint(QWidget* parent = nullptr);
    ~frmPrint() override;

    void Form_Load();
    void optStileQuadrante_Click(int index);
    // Hands the sheet to the default printer; the window shows that it is working and
    // answers meanwhile, and StampaFinita follows.
    void cmdStampa_Click();
    // True while the sheet is being handed to the printer.
    bool StampaInCorso() const;
    // Saves the sheet as a PDF file where the child's parents choose, instead of printing it.
    void cmdSalvaPdf_Click();
    // The file the save question proposes: "Orologio da ritagliare.pdf" in the user's
    // documents folder (the home folder when there is none).
    static QString FilePdfProposto();
    void cmdEsci_Click();
    // The closing guard: sets `cancel` when the window must stay open.
    void Form_Unload(bool& cancel);

    // The choices of the window as the printed sheet reads them.
    Foglio::OpzioniFoglio OpzioniCorrenti() const;

    // ================= controls =================
    std::array<QLabel*, 2> Label5; // the title and its embossed shadow
    QLabel* Label4;
    std::array<QRadioButton*, 2> optStileQuadrante; // 0 Arabic, 1 Roman numerals
    OptionGroup* grpStileQuadrante;
    QCheckBox* chkPrintMinuti;
    QLabel* Label6;
    QLabel* Label1;
    QLabel* Label2;
    std::array<QLineEdit*, 2> txtDati; // 0 name, 1 surname
    // How many characters a name or a surname may have.
    static constexpr int kCaratteriDati = 20;
    QLabel* Label3;
    QPushButton* cmdStampa;
    QPushButton* cmdSalvaPdf;
    QPushButton* cmdEsci;
    QLabel* imgPrinter;
    QLabel* imgCut;
    QLabel* Image1;

    // ================= state =================
    // True once the page has gone to the printer, or has been saved as a PDF.
    bool Stampato = false;
    // The credit line at the foot of the sheet.
    QString TestoPiede;
    // Centre of the printed dial in millimetres, set when the page is printed.
    float CentroX = 0;
    float CentroY = Foglio::CentroY;

public slots:
    // Every way of closing (the button, the close box, Esc) passes the closing guard.
    void reject() override;

signals:
    // The print job is over: the window has said how it went, and closed or not.
    void stampaConclusa(PrintError errore);

private:
    ConsegnaStampa* m_consegna;

    void CreaControlli();
    void StampaFinita(PrintError errore);
    // Shows that the sheet is on its way (the controls wait, the pointer is busy), or not.
    void MostraAttesa(bool attesa);
    void MostraErrore(PrintError errore);
};
