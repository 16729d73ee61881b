// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionGroup.h"

#include "AccessibileOpzione.h"

void OptionGroup::add(QAbstractButton* button)
{
    button->setCheckable(true);
    // The group keeps the options exclusive itself, so that it can also leave none chosen;
    // screen readers are still told these are radio buttons.
    button->setAutoExclusive(false);
    AccessibileOpzione::Registra(button);
    m_buttons.append(button);
    connect(button, &QAbstractButton::toggled, this, [this, button](bool on) { onToggled(button, on); });
}

void OptionGroup::onToggled(QAbstractButton* button, bool on)
{
    if (m_updating)
        return;
    if (!on) {
        // An option is switched off only by selecting another one.
        m_updating = true;
        button->setChecked(true);
        m_updating = false;
        return;
    }
    m_updating = true;
    for (QAbstractButton* other : m_buttons)
        if (other != button)
            other->setChecked(false);
    m_updating = false;
    emit clicked(m_buttons.indexOf(button));
}

void OptionGroup::select(int index)
{
    if (QAbstractButton* b = at(index); b && !b->isChecked())
        b->setChecked(true);
}

void OptionGroup::clear()
{
    m_updating = true;
    for (QAbstractButton* b : m_buttons)
        b->setChecked(false);
    m_updating = false;
}

void OptionGroup::mark(int index)
{
    m_updating = true;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(i == index);
    m_updating = false;
}

int OptionGroup::selected() const
{
    for (int i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->isChecked())
            return i;
    return -1;
}
