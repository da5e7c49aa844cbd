#include "geometryprompts.h"

#include "select_csv_delimiter_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

bool GeometryPrompts::askFileToOpen(QWidget* parent, const QString& title, const QString& filter,
                                    std::string& fileName, std::string& delimiter)
{
    const QString name = openFileName(parent, title, QDir::homePath(), filter);
    if (name.isEmpty() || !chooseDelimiter(delimiter))
        return false;
    fileName = QFile::encodeName(name).toStdString();
    return true;
}

bool GeometryPrompts::askFileToSave(QWidget* parent, const QString& title, const QString& filter,
                                    std::string& fileName, std::string& delimiter)
{
    QString name = saveFileName(parent, title, QDir::homePath(), filter);
    if (name.isEmpty())
        return false;
    if (!name.endsWith(".csv", Qt::CaseSensitive))
        name += ".csv";
    if (!chooseDelimiter(delimiter))
        return false;
    fileName = QFile::encodeName(name).toStdString();
    return true;
}

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
