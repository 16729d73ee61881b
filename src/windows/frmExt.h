// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The curiosities window: on top a text on the history of the clock and of the
// names of time, below it the birthday calculator (weekday of birth, age in years,
// months and days, days to the next birthday). Created afresh at every opening.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <array>

class frmExt : public QDialog {
    Q_OBJECT
public:
    explicit frmExt(QWidget* parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void cmdEsci_Click();

    // ---- birthday calculator
    // Returns false when the character must be discarded (anything but a digit or backspace).
    bool txtdata_KeyPress(int index, int codice);
    void txtdata_GotFocus(int index);
    void txtdata_Change(int index);
    void cmdData_Click();
    void MostraErroreData();

    // ================= controls =================
    QLabel* Label1;
    QTextEdit* txtCuriosita; // objectName "txtCuriosità"
    QLabel* Label2;
    QLabel* Label3;
    QWidget* picData;
    std::array<QLineEdit*, 3> txtdata;
    std::array<QLabel*, 2> lblSeparatore;
    QPushButton* cmdData;
    QLabel* lblDati;
    QPushButton* cmdEsci;
    QLabel* Image1;
    QLabel* Image2;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreaControlli();
    int indiceCasella(QObject* o) const;

    // The last text of each date box made only of digits: text of any other kind put
    // into a box by code is refused and this one comes back.
    std::array<QString, 3> m_accettato;
    bool m_attivato = false;
};
