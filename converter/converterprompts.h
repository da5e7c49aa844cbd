#pragma once
// The questions the converter puts to the user: file names, shot positions
// and message boxes. The dialog asks through this interface so that tests can
// answer without windows.

#include <QString>
#include <QStringList>

#include <string>

class QWidget;

class ConverterPrompts
{
public:
    virtual ~ConverterPrompts() = default;
    // An empty name or list means the user cancelled. *selectedFilter goes in
    // as the filter to select and comes back as the one the user left.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filters, QString* selectedFilter) = 0;
    virtual QStringList openFileNames(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filters, QString* selectedFilter) = 0;
    // The real dialog adds the first filter's extension to a name typed
    // without one.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filters) = 0;
    // The position of the shot of fileName, pre-filled with x and z, which
    // are updated when the user accepts (true).
    virtual bool shotPosition(const std::string& fileName, double& x, double& z) = 0;
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The real dialogs and boxes.
class DialogConverterPrompts : public ConverterPrompts
{
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filters, QString* selectedFilter) override;
    QStringList openFileNames(QWidget* parent, const QString& title, const QString& folder,
                              const QString& filters, QString* selectedFilter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filters) override;
    bool shotPosition(const std::string& fileName, double& x, double& z) override;
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
};
