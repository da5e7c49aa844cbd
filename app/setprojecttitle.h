#pragma once
// Asks the project title (UTF-8).

#include <QDialog>

#include <string>

namespace Ui
{
class setProjectTitle;
}

class setProjectTitle : public QDialog
{
    Q_OBJECT

public:
    explicit setProjectTitle(QWidget* parent = nullptr);
    ~setProjectTitle() override;

    // Stores the title and shows it in the line edit.
    void setText(const std::string& text);

    std::string title; // read after an accepted exec()

private slots:
    void on_buttonBox_accepted();

private:
    Ui::setProjectTitle* ui;
};
