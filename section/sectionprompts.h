#pragma once
// The questions the section dialogs put to the user: file names, the
// delimiter, colours, texts and message boxes. The dialogs ask through this
// interface so that tests can answer without windows.

#include <QColor>
#include <QColorDialog>
#include <QString>
#include <QStringList>

#include <string>

class QWidget;

class SectionPrompts
{
public:
    virtual ~SectionPrompts() = default;
    // An empty name or list means the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    virtual QStringList openFileNames(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    // The choice of SelectCSVDelimiterDialog, unmapped; false when cancelled.
    virtual bool chooseDelimiter(std::string& delimiter) = 0;
    // An invalid colour means the user cancelled.
    virtual QColor color(const QColor& initial, QWidget* parent, const QString& title,
                         QColorDialog::ColorDialogOptions options) = 0;
    // *ok is false when the user cancelled.
    virtual QString text(QWidget* parent, const QString& title, const QString& label,
                         const QString& initial, bool* ok) = 0;
    // Message boxes without parent.
    virtual void critical(const QString& title, const QString& text) = 0;
    virtual void information(const QString& title, const QString& text) = 0;
    virtual void message(const QString& text) = 0;
};

// The real dialogs.
class DialogSectionPrompts : public SectionPrompts
{
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    QStringList openFileNames(QWidget* parent, const QString& title, const QString& folder,
                              const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    bool chooseDelimiter(std::string& delimiter) override;
    QColor color(const QColor& initial, QWidget* parent, const QString& title,
                 QColorDialog::ColorDialogOptions options) override;
    QString text(QWidget* parent, const QString& title, const QString& label,
                 const QString& initial, bool* ok) override;
    void critical(const QString& title, const QString& text) override;
    void information(const QString& title, const QString& text) override;
    void message(const QString& text) override;
};

// The prompts every section dialog starts with.
SectionPrompts& defaultSectionPrompts();
