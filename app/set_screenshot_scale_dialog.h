#pragma once
// Asks the magnification of a section screenshot (0.1 to 10.0).

#include <QDialog>

namespace Ui
{
class set_screenshot_scale_dialog;
}

class set_screenshot_scale_dialog : public QDialog
{
    Q_OBJECT

public:
    explicit set_screenshot_scale_dialog(QWidget* parent = nullptr);
    ~set_screenshot_scale_dialog() override;

    double scale() const;

private:
    Ui::set_screenshot_scale_dialog* ui;
};
