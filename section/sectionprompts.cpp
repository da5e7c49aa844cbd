#include "sectionprompts.h"

#include "select_csv_delimiter_dialog.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

QString DialogSectionPrompts::openFileName(QWidget* parent, const QString& title,
                                           const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QStringList DialogSectionPrompts::openFileNames(QWidget* parent, const QString& title,
                                                const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileNames(parent, title, folder, filter);
}

QString DialogSectionPrompts::saveFileName(QWidget* parent, const QString& title,
                                           const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, folder, filter);
}

bool DialogSectionPrompts::chooseDelimiter(std::string& delimiter)
{
    SelectCSVDelimiterDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    delimiter = dialog.delimiter();
    return true;
}

QColor DialogSectionPrompts::color(const QColor& initial, QWidget* parent, const QString& title,
                                   QColorDialog::ColorDialogOptions options)
{
    return QColorDialog::getColor(initial, parent, title, options);
}

QString DialogSectionPrompts::text(QWidget* parent, const QString& title, const QString& label,
                                   const QString& initial, bool* ok)
{
    return QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, ok);
}

void DialogSectionPrompts::critical(const QString& title, const QString& text)
{
    QMessageBox::critical(nullptr, title, text);
}

void DialogSectionPrompts::information(const QString& title, const QString& text)
{
    QMessageBox::information(nullptr, title, text);
}

void DialogSectionPrompts::message(const QString& text)
{
    QMessageBox box;
    box.setText(text);
    box.exec();
}

SectionPrompts& defaultSectionPrompts()
{
    static DialogSectionPrompts prompts;
    return prompts;
}
