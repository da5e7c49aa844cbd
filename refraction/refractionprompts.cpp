#include "refractionprompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace
{
class DialogPrompts : public RefractionPrompts
{
public:
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, folder, filter);
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
