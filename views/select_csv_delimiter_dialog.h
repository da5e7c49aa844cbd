#pragma once
// Asks which delimiter a geometry or contour-level file uses; asked anew
// before every read and write, never stored.

#include <QDialog>

#include <memory>
#include <string>

namespace Ui
{
class SelectCSVDelimiterDialog;
}

class SelectCSVDelimiterDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SelectCSVDelimiterDialog(QWidget* parent = nullptr);
    ~SelectCSVDelimiterDialog() override;

    // "(blank space)", ";" or ",", unmapped (see mapDelimiter), whatever the
    // language of the item texts.
    std::string delimiter() const;

private:
    std::unique_ptr<Ui::SelectCSVDelimiterDialog> ui;
};
