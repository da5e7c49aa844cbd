#pragma once
// The main window's texts used outside the window class (commands, reports,
// the section view): their translations live under the window's name, so a
// text keeps one translation wherever it is shown.

#include <QCoreApplication>

struct WindowTexts {
    Q_DECLARE_TR_FUNCTIONS(Tervanelo_MainWindows)
};
