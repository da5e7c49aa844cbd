#pragma once
// Asks for the value of a new palette stop. A value that an existing stop
// already has cannot be confirmed: OK is disabled and an error text shown.

#include <QDialog>

#include <memory>
#include <set>
#include <string>

class QLabel;
class QPushButton;
class QSpinBox;

namespace Ui
{
class AddHandleDialog;
}

class AddHandleDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AddHandleDialog(QWidget* parent = nullptr);
    ~AddHandleDialog() override;

    void setErrorText(const std::string& text);
    QSpinBox* valueBox() const;
    QLabel* errorLabel() const;
    QPushButton* okButton() const;

    std::set<int> usedValues; // values of the existing stops

public slots:
    void updateErrorMessage(int v);

private:
    std::unique_ptr<Ui::AddHandleDialog> ui;
};
