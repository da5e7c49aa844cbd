#include "appprompts.h"

#include "confirm_file_replace.h"

QMessageBox::StandardButton DialogAppPrompts::replaceFile(QWidget* parent, const QString& fileName)
{
    Confirm_File_Replace question(fileName, parent);
    return QMessageBox::StandardButton(question.exec());
}
