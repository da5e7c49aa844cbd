#include "confirm_file_replace.h"

Confirm_File_Replace::Confirm_File_Replace(const QString& fileName, QWidget* parent)
    : QMessageBox(parent)
{
    setWindowTitle(tr("Confirm file replace"));
    setIcon(QMessageBox::Warning);
    setStandardButtons(QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No |
                       QMessageBox::Cancel);
    setText(tr("The following file already exists. Do you want to replace it?\n\n") + fileName +
            QStringLiteral("\n"));
}

Confirm_File_Replace::~Confirm_File_Replace() = default;
