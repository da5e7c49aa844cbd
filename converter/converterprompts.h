#pragma once
// The questions the converter puts to the user: the shared file names and
// message boxes, and the position of a shot.

#include "userprompts.h"

#include <string>

class ConverterPrompts : public UserPrompts
{
public:
    // The position of the shot of fileName, pre-filled with x and z, which
    // are updated when the user accepts (true).
    virtual bool shotPosition(const std::string& fileName, double& x, double& z) = 0;
};

// The real dialogs and boxes.
class DialogConverterPrompts : public DialogPrompts<ConverterPrompts>
{
public:
    // A name typed without extension gets the first filter's when no other
    // is asked for, as the file would otherwise not be known by its type.
    QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filters, const QString& suffix = QString()) override
    {
        return DialogPrompts::saveFileName(parent, title, folder, filters,
                                           suffix.isEmpty() ? firstFilterSuffix(filters) : suffix);
    }
    bool shotPosition(const std::string& fileName, double& x, double& z) override;
};
