// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The information window: the program's name and version, the platform it was
// built for, the credits, and three actions that hand a request to the system and
// close the window: the teaching notes (a help page beside the program), a mail
// to the authors, and their web site. Created afresh at every opening. It also
// leads a teacher to the worksheets for the class.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <array>

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void Form_Load();
    void cmdGuida_Click();
    void lblEmail_Click();
    void lblSito_Click();
    void cmdEsci_Click();
    // Closes the window and opens the worksheets for the class.
    void cmdSchede_Click();

    // The program's folder with a separator at its end (never two).
    static QString PercorsoProgramma();
    // The help page: beside the program, or in the data folder of an installed program.
    static QString PercorsoGuida();
    // True when the file can be opened for reading.
    static bool EsisteFile(const QString& percorso);
    // "Versione x.y.z" for the version the program was built with.
    static QString TestoVersione();
    // "Applicazione a NN bit per " and the operating system the program runs on.
    static QString TestoPiattaforma();
    // The link that opens the mail handler with the subject filled in.
    static QUrl IndirizzoEmail(const QString& versione);

    // ================= controls =================
    std::array<QLabel*, 2> Label1;
    QLabel* imgProgramma;
    QLabel* imgMylogo;
    QLabel* lblVersione;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* lblEmail;
    QLabel* lblSito;
    QToolButton* cmdGuida;
    QPushButton* cmdEsci;
    QPushButton* cmdSchede;
    QLabel* Image2;
    QLabel* Image3;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreaControlli();
};
