#pragma once
// The save dialog of the exports: a name typed without an extension gets the
// format's one, and the replace question is asked for that full name.

#include <QFileDialog>

inline QString askSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter, const QString& suffix)
{
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
