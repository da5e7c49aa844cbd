#pragma once
// Asks whether an existing file may be overwritten. exec() returns Yes,
// YesToAll, No or Cancel; Escape and the close button give Cancel.

#include <QMessageBox>

class Confirm_File_Replace : public QMessageBox
{
    Q_OBJECT

public:
    explicit Confirm_File_Replace(const QString& fileName, QWidget* parent = nullptr);
    ~Confirm_File_Replace() override;
};
