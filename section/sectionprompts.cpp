#include "sectionprompts.h"

#include <QInputDialog>

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

SectionPrompts& defaultSectionPrompts()
{
    static DialogSectionPrompts prompts;
    return prompts;
}
