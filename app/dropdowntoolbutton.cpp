#include "dropdowntoolbutton.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QMenu>

DropDownToolButton::DropDownToolButton(QWidget* parent) : QToolButton(parent), menu(new QMenu(this))
{
    setMenu(menu);
    setPopupMode(QToolButton::MenuButtonPopup);
    connect(this, &QToolButton::triggered, this, &QToolButton::setDefaultAction);
}

DropDownToolButton::~DropDownToolButton() = default;

void DropDownToolButton::addActionWithIcon(QAction* action, const QString& iconPath)
{
    action->setIcon(QIcon(iconPath));
    menu->addAction(action);
    // Qt tells a widget of an action's changes only when the action was added
    // to it; the button must hear about every action of its menu, not only
    // the default one, to enable itself again.
    addAction(action);
}

bool DropDownToolButton::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::ActionChanged:
    case QEvent::ToolTipChange:
    case QEvent::FocusAboutToChange:
    case QEvent::FocusOut:
    case QEvent::EnabledChange: {
        bool anyEnabled = false;
        for (QAction* action : menu->actions())
            anyEnabled = anyEnabled || action->isEnabled();
        setEnabled(anyEnabled);
        update();
        return false;
    }
    default:
        return QToolButton::event(e);
    }
}
