#pragma once
// The questions any part of the program puts to the user: file names, a
// folder and message boxes. Dialogs and commands ask through this interface
// so that tests answer without windows; each area adds its few questions of
// its own (a delimiter, a colour, a shot position) in a class derived from
// it. Header-only, with Qt only, so that the converter shares it without
// linking any library of the main program.

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

class QWidget;

// One message box as the user sees it.
struct PromptMessage {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QString informativeText; // below the text, when not empty
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    // An empty name or list means the user cancelled. *selectedFilter, when
    // given, goes in as the filter to select and comes back as the one the
    // user left.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter, QString* selectedFilter = nullptr) = 0;
    virtual QStringList openFileNames(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filter, QString* selectedFilter = nullptr) = 0;
    // A name typed without extension gets `suffix` when it is not empty; the
    // replace question is then asked for the full name.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter, const QString& suffix = QString()) = 0;
    // An existing folder; empty when cancelled.
    virtual QString folderName(QWidget* parent, const QString& title, const QString& folder) = 0;
    // The button the user pressed.
    virtual QMessageBox::StandardButton message(QWidget* parent, const PromptMessage& message) = 0;

    // The boxes with one OK button; plainMessage has no title and no icon.
    void plainMessage(QWidget* parent, const QString& text,
                      const QString& informativeText = QString())
    {
        message(parent, {QMessageBox::NoIcon,
                         {},
                         text,
                         informativeText,
                         QMessageBox::Ok,
                         QMessageBox::NoButton});
    }
    void warning(QWidget* parent, const QString& title, const QString& text)
    {
        message(parent,
                {QMessageBox::Warning, title, text, {}, QMessageBox::Ok, QMessageBox::NoButton});
    }
    void critical(QWidget* parent, const QString& title, const QString& text)
    {
        message(parent,
                {QMessageBox::Critical, title, text, {}, QMessageBox::Ok, QMessageBox::NoButton});
    }
    void information(QWidget* parent, const QString& title, const QString& text)
    {
        message(
            parent,
            {QMessageBox::Information, title, text, {}, QMessageBox::Ok, QMessageBox::NoButton});
    }
};

// The extension of the first "*.ext" of a file filter, empty when it has none.
inline QString firstFilterSuffix(const QString& filter)
{
    const QRegularExpressionMatch suffix =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return suffix.hasMatch() ? suffix.captured(1) : QString();
}

// The real dialogs under an area's prompt interface Prompts, which derives
// from UserPrompts; the area's own questions are left to the class derived
// from this one.
template <class Prompts> class DialogPrompts : public Prompts
{
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter, QString* selectedFilter = nullptr) override
    {
        return QFileDialog::getOpenFileName(parent, title, folder, filter, selectedFilter);
    }
    QStringList openFileNames(QWidget* parent, const QString& title, const QString& folder,
                              const QString& filter, QString* selectedFilter = nullptr) override
    {
        return QFileDialog::getOpenFileNames(parent, title, folder, filter, selectedFilter);
    }
    QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter, const QString& suffix = QString()) override
    {
        QFileDialog dialog(parent, title, folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        if (!suffix.isEmpty())
            dialog.setDefaultSuffix(suffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
    QString folderName(QWidget* parent, const QString& title, const QString& folder) override
    {
        return QFileDialog::getExistingDirectory(parent, title, folder, QFileDialog::ShowDirsOnly);
    }
    QMessageBox::StandardButton message(QWidget* parent, const PromptMessage& m) override
    {
        QMessageBox box(m.icon, m.title, m.text, m.buttons, parent);
        if (!m.informativeText.isEmpty())
            box.setInformativeText(m.informativeText);
        if (m.defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(m.defaultButton);
        return QMessageBox::StandardButton(box.exec());
    }
};
