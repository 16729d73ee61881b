// SPDX-License-Identifier: GPL-3.0-or-later
// Option groups as the windows rely on them: choosing an option by code or by a click
// raises the group's click once with its index and clears the others; choosing the one
// already chosen raises nothing; an option cannot be switched off by clicking it; the
// group can be left with nothing chosen, silently.

#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "OptionGroup.h"

namespace {

using Azione = std::function<void(OptionGroup&, QList<QAbstractButton*>&)>;

} // namespace

Q_DECLARE_METATYPE(Azione)

class TestOptionGroup : public QObject {
    Q_OBJECT
private slots:
    void semantics_data();
    void semantics();
};

void TestOptionGroup::semantics_data()
{
    QTest::addColumn<Azione>("azione");
    QTest::addColumn<QVector<int>>("click"); // the indexes the group's click carried
    QTest::addColumn<int>("scelta");         // the option chosen afterwards

    QTest::newRow("choosing by code") << Azione([](OptionGroup& g, auto&) { g.select(2); }) << QVector<int>{2} << 2;
    QTest::newRow("choosing the chosen one by code")
        << Azione([](OptionGroup& g, auto&) { g.select(1); }) << QVector<int>{} << 1;
    QTest::newRow("a click on another option")
        << Azione([](OptionGroup&, auto& b) { QTest::mouseClick(b[0], Qt::LeftButton); }) << QVector<int>{0} << 0;
    QTest::newRow("a click on the chosen option keeps it chosen")
        << Azione([](OptionGroup&, auto& b) { QTest::mouseClick(b[1], Qt::LeftButton); }) << QVector<int>{} << 1;
    QTest::newRow("checking a button by code")
        << Azione([](OptionGroup&, auto& b) { b[2]->setChecked(true); }) << QVector<int>{2} << 2;
    QTest::newRow("unchecking the chosen button by code keeps it chosen")
        << Azione([](OptionGroup&, auto& b) { b[1]->setChecked(false); }) << QVector<int>{} << 1;
    QTest::newRow("clearing is silent") << Azione([](OptionGroup& g, auto&) { g.clear(); }) << QVector<int>{} << -1;
    QTest::newRow("after clearing, the former option can be chosen again") << Azione([](OptionGroup& g, auto&) {
        g.clear();
        g.select(1);
    }) << QVector<int>{1} << 1;
    QTest::newRow("an index outside the group does nothing") << Azione([](OptionGroup& g, auto&) {
        g.select(3);
        g.select(-1);
    }) << QVector<int>{} << 1;
    QTest::newRow("two choices in a row") << Azione([](OptionGroup& g, auto&) {
        g.select(0);
        g.select(2);
    }) << QVector<int>{0, 2} << 2;
}

void TestOptionGroup::semantics()
{
    QFETCH(Azione, azione);
    QFETCH(QVector<int>, click);
    QFETCH(int, scelta);

    // Radio buttons and the command panel's picture buttons behave alike.
    for (const bool pulsanti : {false, true}) {
        QWidget finestra;
        OptionGroup g;
        QList<QAbstractButton*> b;
        for (int i = 0; i < 3; ++i) {
            QAbstractButton* o = pulsanti ? static_cast<QAbstractButton*>(new QToolButton(&finestra))
                                          : new QRadioButton(QStringLiteral("%1").arg(i), &finestra);
            o->setGeometry(0, 30 * i, 30, 25);
            g.add(o);
            b << o;
        }
        b[1]->setChecked(true);
        finestra.show();
        QSignalSpy spia(&g, &OptionGroup::clicked);

        azione(g, b);

        QVector<int> visti;
        for (const QList<QVariant>& c : std::as_const(spia))
            visti << c.at(0).toInt();
        QCOMPARE(visti, click);
        QCOMPARE(g.selected(), scelta);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(b[i]->isChecked(), i == scelta);
    }
}

QTEST_MAIN(TestOptionGroup)
#include "tst_optiongroup.moc"
