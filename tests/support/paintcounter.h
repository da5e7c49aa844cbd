#pragma once
// Counts the paint events of the widgets it is installed on.

#include <QEvent>
#include <QObject>

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
