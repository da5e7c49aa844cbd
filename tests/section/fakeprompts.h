#pragma once
// Answers the section dialogs' questions without windows and records every
// message box.

#include "sectionprompts.h"
#include "unaskedprompts.h"

#include <string>
#include <utility>
#include <vector>

class FakePrompts : public UnaskedPrompts<SectionPrompts>
{
public:
    // Answers; an empty name or list stands for Cancel.
    QString openName;
    QStringList openNames;
    QString saveName;
    std::string delimiter = ";";
    bool delimiterChosen = true;
    QColor colour; // invalid: Cancel
    QString textAnswer;
    bool textAccepted = true;

    // What was asked and shown.
    QString lastFolder;
    QString lastTitle;
    std::vector<std::pair<QString, QString>> boxes; // (title, text); a plain box has no title

    QString openFileName(QWidget*, const QString& title, const QString& folder, const QString&,
                         QString*) override
    {
        lastTitle = title;
        lastFolder = folder;
        return openName;
    }
    QStringList openFileNames(QWidget*, const QString& title, const QString& folder, const QString&,
                              QString*) override
    {
        lastTitle = title;
        lastFolder = folder;
        return openNames;
    }
    QString saveFileName(QWidget*, const QString& title, const QString& folder, const QString&,
                         const QString&) override
    {
        lastTitle = title;
        lastFolder = folder;
        return saveName;
    }
    bool chooseDelimiter(std::string& chosen) override
    {
        chosen = delimiter;
        return delimiterChosen;
    }
    QColor color(const QColor&, QWidget*, const QString& title,
                 QColorDialog::ColorDialogOptions) override
    {
        lastTitle = title;
        return colour;
    }
    QString text(QWidget*, const QString& title, const QString&, const QString&, bool* ok) override
    {
        lastTitle = title;
        *ok = textAccepted;
        return textAnswer;
    }
    QMessageBox::StandardButton message(QWidget*, const PromptMessage& m) override
    {
        boxes.emplace_back(m.title, m.text);
        return QMessageBox::Ok;
    }
};
