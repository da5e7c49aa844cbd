#include "converterprompts.h"

#include "setshotpositiondialog.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

QString DialogConverterPrompts::openFileName(QWidget* parent, const QString& title,
                                             const QString& folder, const QString& filters,
                                             QString* selectedFilter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filters, selectedFilter);
}

QStringList DialogConverterPrompts::openFileNames(QWidget* parent, const QString& title,
                                                  const QString& folder, const QString& filters,
                                                  QString* selectedFilter)
{
    return QFileDialog::getOpenFileNames(parent, title, folder, filters, selectedFilter);
}

QString DialogConverterPrompts::saveFileName(QWidget* parent, const QString& title,
                                             const QString& folder, const QString& filters)
{
    // A name typed without extension gets the first filter's, as the file
    // would otherwise not be known by its type.
    QFileDialog dialog(parent, title, folder, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QRegularExpressionMatch suffix =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filters);
    if (suffix.hasMatch())
        dialog.setDefaultSuffix(suffix.captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool DialogConverterPrompts::shotPosition(const std::string& fileName, double& x, double& z)
{
    SetShotPositionDialog dialog(fileName, &x, &z);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.values(x, z);
    return true;
}

void DialogConverterPrompts::information(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void DialogConverterPrompts::warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}
