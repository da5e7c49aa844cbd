#pragma once
// The questions the window's commands put to the user: the shared file
// names, folders and message boxes, and whether a file may be replaced.

#include "userprompts.h"

class AppPrompts : public UserPrompts
{
public:
    // Whether the existing file may be overwritten: Yes, YesToAll, No or
    // Cancel (also for Escape and the close button).
    virtual QMessageBox::StandardButton replaceFile(QWidget* parent, const QString& fileName) = 0;
};

// The real dialogs; the replace question is Confirm_File_Replace.
class DialogAppPrompts : public DialogPrompts<AppPrompts>
{
public:
    QMessageBox::StandardButton replaceFile(QWidget* parent, const QString& fileName) override;
};
