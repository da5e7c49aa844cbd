#pragma once
// The settings dialog: language and display flags. The first run shows it in
// a reduced form that asks for the language only.

#include "languages.h"

#include <QDialog>

namespace Ui
{
class SettingDialog;
}

class SettingDialog : public QDialog
{
    Q_OBJECT

public:
    // languages: the window's (code, file name) list; currentIndex: the
    // language in force.
    SettingDialog(const LanguageList& languages, int currentIndex, QWidget* parent = nullptr);
    ~SettingDialog() override;

    // First run: language page and trace page only, OK only. The trace page's
    // boxes are not read on this path.
    void languageOnlyMode();

    bool isZoomIn() const;
    void setZoomIn(bool on);
    bool isCutHorizontal() const;
    void setCutHorizontal(bool on);
    bool isFillWiggle() const;
    void setFillWiggle(bool on);
    bool isShowAllTraces() const;
    void setShowAllTraces(bool on);
    bool isShowFiltered() const;
    void setShowFiltered(bool on);
    bool isTwoColors() const;
    void setTwoColors(bool on);

    int selectedLanguage; // index into the language list

public slots:
    void update_selected_language(int index);

private:
    Ui::SettingDialog* ui;
};
