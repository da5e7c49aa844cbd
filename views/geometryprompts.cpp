#include "geometryprompts.h"

#include "select_csv_delimiter_dialog.h"

#include <QDir>
#include <QFile>

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

bool askCsvDelimiter(std::string& delimiter)
{
    SelectCSVDelimiterDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    delimiter = dialog.delimiter();
    return true;
}

GeometryPrompts& defaultGeometryPrompts()
{
    static DialogGeometryPrompts prompts;
    return prompts;
}
