#pragma once
// Keeps every dialog on the screen it opens on. Several forms were laid out
// for a large monitor; on a laptop their OK and Cancel would sit below the
// screen's edge. One filter on the application sees each dialog's first show,
// whoever made the dialog, so dialogs added later fit too.

#include <QMargins>
#include <QRect>

class QDialog;

// Installs the filter on the running QApplication; later calls do nothing.
void fitDialogsToScreen();

// Makes the dialog, with a window frame of the given margins, fit inside
// area: a form larger than area shrinks to it and stays resizable; where its
// contents cannot shrink that far they move into a scroll area, with the
// dialog's button box kept outside it so the buttons stay visible. A dialog
// that already fits is left exactly as it is. Returns whether it changed
// anything. Message boxes size themselves and are not touched.
bool fitDialogToArea(QDialog* dialog, const QRect& area, const QMargins& frame);
