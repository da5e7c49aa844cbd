#pragma once
// A tool-bar button holding a small family of actions (zoom in and out): the
// last one chosen from its menu becomes the button's own action, and the
// button is enabled only while one of its actions is.

#include <QToolButton>

class QMenu;

class DropDownToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit DropDownToolButton(QWidget* parent = nullptr);
    ~DropDownToolButton() override;

    // Sets the action's icon and appends it to the menu.
    void addActionWithIcon(QAction* action, const QString& iconPath);

protected:
    bool event(QEvent* e) override;

private:
    QMenu* menu;
};
