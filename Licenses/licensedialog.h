#pragma once
// Shows one licence text from the resources.

#include <QDialog>

namespace Ui
{
class licenseDialog;
}

class licenseDialog : public QDialog
{
    Q_OBJECT

public:
    // source: a URL such as "qrc:/licenses/tervoLicense". A text that does not
    // load leaves the browser empty with its placeholder.
    explicit licenseDialog(const QString& source, QWidget* parent = nullptr);
    ~licenseDialog() override;

private:
    Ui::licenseDialog* ui;
};
