// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An indexed group of option buttons with the behaviour the windows rely on:
// selecting an option, by the user or by code, clears the others and raises the
// group's click once with the option's index; selecting the option that is already
// selected raises nothing. The group can also be left with no option selected.

#include <QAbstractButton>
#include <QObject>
#include <QVector>

class OptionGroup : public QObject {
    Q_OBJECT
public:
    explicit OptionGroup(QObject* parent = nullptr) : QObject(parent) {}

    // Adds the button with the next index.
    void add(QAbstractButton* button);
    QAbstractButton* at(int index) const { return m_buttons.value(index); }
    int count() const { return m_buttons.size(); }

    // Selects an option as a click on it would; nothing happens if it is selected already.
    void select(int index);
    // Leaves every option unselected without raising a click.
    void clear();
    // Shows option `index` as the selected one without raising a click: the choice was
    // made elsewhere (by another view of the same state) and the group only follows it.
    void mark(int index);
    // The selected index, or -1.
    int selected() const;
    bool isSelected(int index) const { return selected() == index; }

signals:
    void clicked(int index);

private:
    void onToggled(QAbstractButton* button, bool on);

    QVector<QAbstractButton*> m_buttons;
    bool m_updating = false;
};
