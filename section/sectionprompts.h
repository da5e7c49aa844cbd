#pragma once
// The questions the section dialogs put to the user: those of the geometry
// dialogs (file names, the delimiter, message boxes), a colour and a text.

#include "geometryprompts.h"

#include <QColor>
#include <QColorDialog>
#include <QString>

class QWidget;

class SectionPrompts : public GeometryPrompts
{
public:
    // An invalid colour means the user cancelled.
    virtual QColor color(const QColor& initial, QWidget* parent, const QString& title,
                         QColorDialog::ColorDialogOptions options) = 0;
    // *ok is false when the user cancelled.
    virtual QString text(QWidget* parent, const QString& title, const QString& label,
                         const QString& initial, bool* ok) = 0;
};

// The real dialogs.
class DialogSectionPrompts : public DialogPrompts<SectionPrompts>
{
public:
    bool chooseDelimiter(std::string& delimiter) override { return askCsvDelimiter(delimiter); }
    QColor color(const QColor& initial, QWidget* parent, const QString& title,
                 QColorDialog::ColorDialogOptions options) override;
    QString text(QWidget* parent, const QString& title, const QString& label,
                 const QString& initial, bool* ok) override;
};

// The prompts every section dialog starts with.
SectionPrompts& defaultSectionPrompts();
