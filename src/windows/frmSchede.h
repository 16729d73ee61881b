// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Schede per la classe": a teacher chooses the kinds of item, the level,
// the wording of the answers, how many clocks and the numerals, and a title; sees
// the sheet and its key; prints both pages or saves them as a PDF. Every sheet has a
// code, and a code typed back brings the same sheet again.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "CodiceScheda.h"
#include "OptionGroup.h"
#include "Printers.h"

class AnteprimaScheda;
class ConsegnaStampa;

class frmSchede : public QDialog {
    Q_OBJECT
public:
    explicit frmSchede(QWidget* parent = nullptr);
    ~frmSchede() override;

    // Opens the window on its own, closed and deleted when the teacher closes it.
    static frmSchede* Apri();

    // The sheet the window shows now.
    CodiceScheda Codice() const { return m_codice; }
    // Sets every choice from a code, as if the teacher had made them.
    void MostraCodice(const CodiceScheda& codice);
    // Reads the code box: the same sheet again, or one sentence saying what is wrong.
    void cmdApriCodice_Click();
    // The same choices, a new draw.
    void cmdNuova_Click();
    void cmdStampa_Click();
    bool StampaInCorso() const;
    void cmdSalvaPdf_Click();
    // The file the save question proposes: "Schede K4T-9QX-2MB.pdf" in the documents folder.
    QString FilePdfProposto() const;
    void cmdEsci_Click();

    // ================= controls =================
    std::array<QLabel*, 2> lblTitolo; // the window's title and its embossed shadow
    QLabel* lblTipi;
    std::array<QCheckBox*, kNumeroTipiVoce> chkTipo;
    QLabel* lblLivello;
    QComboBox* cboLivello;
    QLabel* lblForma;
    std::array<QRadioButton*, 2> optForma; // 0 twelve hours and the part of the day, 1 24 hours
    OptionGroup* grpForma;
    QLabel* lblQuanti;
    QComboBox* cboQuanti;
    QLabel* lblNumeri;
    std::array<QRadioButton*, 3> optNumeri; // dots, arabic, roman
    OptionGroup* grpNumeri;
    QLabel* lblTitoloScheda;
    QLineEdit* txtTitolo;
    QLabel* lblCodice;
    QLineEdit* txtCodice;
    QPushButton* cmdApriCodice;
    QPushButton* cmdNuova;
    std::array<QRadioButton*, 2> optPagina; // 0 the sheet, 1 the key
    OptionGroup* grpPagina;
    AnteprimaScheda* anteprima;
    QPushButton* cmdStampa;
    QPushButton* cmdSalvaPdf;
    QPushButton* cmdEsci;

    // How many characters a title may have: one line of the page.
    static constexpr int kCaratteriTitolo = 60;

signals:
    // The print job is over and the window has said how it went.
    void stampaConclusa(PrintError errore);

private:
    void CreaControlli();
    // The choices of the controls, with the draw of the moment.
    SceltaScheda SceltaCorrente() const;
    void SceltaCambiata();
    void Aggiorna();
    void StampaFinita(PrintError errore);
    void MostraAttesa(bool attesa);
    int SemeNuovo() const;

    ConsegnaStampa* m_consegna;
    CodiceScheda m_codice;
    // Set while the controls are being set from a code.
    bool m_impostando = false;
};
