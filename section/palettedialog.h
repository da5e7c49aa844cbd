#pragma once
// "Palette Settings": pick the current palette, edit it, copy it into a new
// editable palette, load palettes from files and save the current one. Works
// on a copy of the list; the caller takes paletteList and the range
// (minValue, maxValue) after OK.

#include "colorpalette.h"

#include <QDialog>

#include <memory>

class ColorPaletteWidget;
class QGridLayout;
class QPushButton;
class SectionPrompts;

namespace Ui
{
class PaletteDialog;
}

class PaletteDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PaletteDialog(const ColorPaletteList& list, QWidget* parent = nullptr);
    ~PaletteDialog() override;

    int minValue() const;
    int maxValue() const;
    // Appends p, makes it current and shows it in the editor.
    void addPalette(const ColorPalette& p);
    ColorPaletteWidget* editor() const { return colorpalette; }
    void setPrompts(SectionPrompts* p) { prompts = p; }

    ColorPaletteList paletteList;

public slots:
    void updatePaletteInfoFromSelection(int i);
    void update_modified_palette();
    void edit_palette();
    void delete_palette();
    void load_palette();
    void save_palette();

private:
    // Loads one file into p; false with the error line when it is unusable.
    bool loadPalette(const QString& path, ColorPalette& p) const;
    ColorPalette currentPalette() const;

    std::unique_ptr<Ui::PaletteDialog> ui;
    QGridLayout* layout = nullptr;
    ColorPaletteWidget* colorpalette = nullptr;
    QPushButton* loadPaletteButton = nullptr;
    QPushButton* savePaletteButton = nullptr;
    QPushButton* deletePaletteButton = nullptr;
    SectionPrompts* prompts;
};
