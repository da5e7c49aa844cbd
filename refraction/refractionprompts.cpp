#include "refractionprompts.h"

#include "savefiledialog.h"

#include <QMessageBox>
#include <QRegularExpression>

namespace
{
class DialogPrompts : public RefractionPrompts
{
public:
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override
    {
        // The first "*.ext" of the filter is added to a name typed without one.
        const QRegularExpressionMatch suffix =
            QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        return askSaveFileName(parent, caption, folder, filter,
                               suffix.hasMatch() ? suffix.captured(1) : QString());
    }
    void warning(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox::warning(parent, title, text, QMessageBox::Ok);
    }
};
} // namespace

RefractionPrompts& defaultRefractionPrompts()
{
    static DialogPrompts prompts;
    return prompts;
}
