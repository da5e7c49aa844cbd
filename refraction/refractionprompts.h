#pragma once
// The questions the refraction dialog puts to the user, behind an interface
// so that tests answer them without windows.

#include <QString>

class QWidget;

class RefractionPrompts
{
public:
    virtual ~RefractionPrompts() = default;
    // An empty name means the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    // A modal box with one OK button.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The real file dialog and message box.
RefractionPrompts& defaultRefractionPrompts();
