#pragma once
// The shot colour cycle: shot i takes colour i mod 16 in the trace panel's
// overlay of other shots and in the travel-time plot; the geometry plot
// appends two more for its own markers.

#include <QColor>

#include <array>

inline const std::array<QColor, 16>& shotColors()
{
    static const std::array<QColor, 16> colors{
        QColor("#6dcc73"), QColor("#1d7775"), QColor("#7e57c2"), QColor("#fce651"),
        QColor("#999999"), QColor("#ff7050"), QColor("#26c6da"), QColor("#ef5350"),
        QColor("#78909c"), QColor("#ab47bc"), QColor("#8d6e63"), QColor("#26a69a"),
        QColor("#ff7043"), QColor("#66bb6a"), QColor("#ec407a"), QColor("#1de9b6")};
    return colors;
}

inline QColor shotColor(size_t shot)
{
    return shotColors()[shot % shotColors().size()];
}
