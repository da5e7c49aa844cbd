#pragma once
// The base of the tests' fake prompts: every shared question a fake does not
// answer itself fails the test and is cancelled, so that a dialog asking
// something new shows up instead of passing unnoticed.

#include "userprompts.h"

#include <gtest/gtest.h>

template <class Prompts> class UnaskedPrompts : public Prompts
{
public:
    QString openFileName(QWidget*, const QString& title, const QString&, const QString&,
                         QString* = nullptr) override
    {
        unasked("openFileName", title);
        return {};
    }
    QStringList openFileNames(QWidget*, const QString& title, const QString&, const QString&,
                              QString* = nullptr) override
    {
        unasked("openFileNames", title);
        return {};
    }
    QString saveFileName(QWidget*, const QString& title, const QString&, const QString&,
                         const QString& = QString()) override
    {
        unasked("saveFileName", title);
        return {};
    }
    QString folderName(QWidget*, const QString& title, const QString&) override
    {
        unasked("folderName", title);
        return {};
    }
    QMessageBox::StandardButton message(QWidget*, const PromptMessage& m) override
    {
        unasked("message", m.title + ": " + m.text);
        return QMessageBox::Cancel;
    }

private:
    static void unasked(const char* question, const QString& what)
    {
        ADD_FAILURE() << "unexpected question " << question << ": " << what.toStdString();
    }
};
