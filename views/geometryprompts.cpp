#include "geometryprompts.h"

#include "select_csv_delimiter_dialog.h"

#include <QFileDialog>
#include <QMessageBox>

QString DialogGeometryPrompts::openFileName(QWidget* parent, const QString& title,
                                            const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString DialogGeometryPrompts::saveFileName(QWidget* parent, const QString& title,
                                            const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, folder, filter);
}

bool DialogGeometryPrompts::chooseDelimiter(std::string& delimiter)
{
    SelectCSVDelimiterDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    delimiter = dialog.delimiter();
    return true;
}

void DialogGeometryPrompts::showError(const QString& text, const QString& informativeText)
{
    QMessageBox box;
    box.setText(text);
    box.setInformativeText(informativeText);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

GeometryPrompts& defaultGeometryPrompts()
{
    static DialogGeometryPrompts prompts;
    return prompts;
}
