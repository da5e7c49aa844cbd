#include "palettedialog.h"
#include "ui_palettedialog.h"

#include "colorpalettewidget.h"
#include "palettefile.h"
#include "sectionprompts.h"
#include "targetfile.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>

PaletteDialog::PaletteDialog(const ColorPaletteList& list, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::PaletteDialog>()), prompts(&defaultSectionPrompts())
{
    ui->setupUi(this);
    setWindowTitle(tr("Palette Settings"));
    connect(ui->comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &PaletteDialog::updatePaletteInfoFromSelection);

    layout = new QGridLayout;
    loadPaletteButton = new QPushButton(QIcon(":/icons/open-folder-with-document.png"), "", this);
    savePaletteButton = new QPushButton(QIcon(":/icons/save.png"), "", this);
    loadPaletteButton->setObjectName("loadPaletteButton");
    savePaletteButton->setObjectName("savePaletteButton");
    layout->addWidget(ui->comboBox, 0, 0, 1, 16);
    layout->addWidget(loadPaletteButton, 0, 16, 1, 2);
    layout->addWidget(savePaletteButton, 0, 18, 1, 2);
    connect(loadPaletteButton, &QPushButton::clicked, this, &PaletteDialog::load_palette);
    connect(savePaletteButton, &QPushButton::clicked, this, &PaletteDialog::save_palette);

    paletteList = list;
    // A list read from a project may name a palette that is not there.
    const int count = static_cast<int>(paletteList.palettes.size());
    if (paletteList.curr_palette < 0 || paletteList.curr_palette >= count)
        paletteList.curr_palette = count > 0 ? 0 : -1;
    const int remembered = paletteList.curr_palette;

    delete ui->colorpalette;
    colorpalette = new ColorPaletteWidget(currentPalette(), this);
    ui->colorpalette = colorpalette;
    connect(colorpalette, &ColorPaletteWidget::modified, this,
            &PaletteDialog::update_modified_palette);

    for (const ColorPalette& p : paletteList.palettes)
        ui->comboBox->addItem(QString::fromStdString(p.name));
    ui->comboBox->setCurrentIndex(remembered);

    deletePaletteButton = new QPushButton(tr("Delete Palette"), this);
    deletePaletteButton->setObjectName("deletePaletteButton");
    deletePaletteButton->hide();
    connect(deletePaletteButton, &QPushButton::clicked, this, &PaletteDialog::delete_palette);
    connect(ui->create_palette, &QPushButton::clicked, this, &PaletteDialog::edit_palette);
    layout->addWidget(colorpalette, 1, 0, 1, 20);
    layout->addWidget(ui->create_palette, 2, 0, 1, 20);
    layout->addWidget(deletePaletteButton, 2, 1);
    layout->addWidget(ui->buttonBox, 3, 0, 1, 20);
    // Installing the layout moves the form's widgets onto the dialog; only then
    // can their old container go.
    setLayout(layout);
    delete ui->gridLayoutWidget;
    ui->gridLayoutWidget = nullptr;
}

PaletteDialog::~PaletteDialog() = default;

int PaletteDialog::minValue() const
{
    return colorpalette->minSpinBox->value();
}
int PaletteDialog::maxValue() const
{
    return colorpalette->maxSpinBox->value();
}

ColorPalette PaletteDialog::currentPalette() const
{
    const int i = paletteList.curr_palette;
    if (i < 0 || i >= static_cast<int>(paletteList.palettes.size()))
        return ColorPalette();
    return paletteList.palettes[i];
}

void PaletteDialog::updatePaletteInfoFromSelection(int i)
{
    std::cout << "Updating Palette Info ........... " << std::endl;
    if (i == paletteList.curr_palette || i < 0 ||
        i >= static_cast<int>(paletteList.palettes.size()))
        return;
    paletteList.curr_palette = i;
    colorpalette->setPalette(paletteList.palettes[i]);
    colorpalette->update();
    std::cout << "Updated Palette info!" << std::endl;
}

void PaletteDialog::update_modified_palette()
{
    const int i = paletteList.curr_palette;
    if (i >= 0 && i < static_cast<int>(paletteList.palettes.size()))
        paletteList.palettes[i] = colorpalette->editedPalette;
}

void PaletteDialog::edit_palette()
{
    ColorPalette copy = currentPalette();
    copy.is_editable = true;
    bool ok = false;
    const QString name = prompts->text(nullptr, tr("Rename Palette"), tr("Save new palette as :"),
                                       QString::fromStdString(copy.name), &ok);
    if (!ok)
        return;
    if (!name.isEmpty())
        copy.name = name.toStdString();
    colorpalette->editable = true;
    colorpalette->selectedHandleBox->show();
    colorpalette->addSliderButton->show();
    addPalette(copy);
}

void PaletteDialog::delete_palette() {}

void PaletteDialog::addPalette(const ColorPalette& p)
{
    paletteList.palettes.push_back(p);
    colorpalette->addSliderButton->show();
    colorpalette->setColorButton->show();
    colorpalette->deleteSliderButton->show();
    colorpalette->setEnabled(true);
    colorpalette->minSpinBox->setEnabled(true);
    colorpalette->maxSpinBox->setEnabled(true);
    colorpalette->show();

    ui->comboBox->addItem(QString::fromStdString(p.name));
    ui->comboBox->setCurrentIndex(ui->comboBox->count() - 1);
    paletteList.curr_palette = ui->comboBox->currentIndex();
    std::cout << "combo index" << paletteList.curr_palette << std::endl;
    colorpalette->setPalette(paletteList.palettes.back());
}

bool PaletteDialog::loadPalette(const QString& path, ColorPalette& p) const
{
    const std::string file = path.toStdString();
    if (!std::ifstream(file)) {
        std::cerr << "[ERROR] Error in opening palette" << file << "." << std::endl;
        return false;
    }
    // A well-formed archive is not yet a usable palette: the lookup needs at
    // least one stop, and NaN or infinite numbers would end up in the colours
    // and in every later file.
    bool usable = loadPaletteFile(p, file) && !p.color_gradient.color.empty() &&
                  std::isfinite(p.min_db) && std::isfinite(p.max_db);
    for (const GradientColorPoint& s : p.color_gradient.color)
        usable = usable && std::isfinite(s.mr) && std::isfinite(s.mg) && std::isfinite(s.mb) &&
                 std::isfinite(s.mval);
    if (!usable) {
        std::cerr << "[ERROR] Error in loading palette" << file << "." << std::endl;
        return false;
    }
    std::stable_sort(
        p.color_gradient.color.begin(), p.color_gradient.color.end(),
        [](const GradientColorPoint& a, const GradientColorPoint& b) { return a.mval < b.mval; });
    return true;
}

void PaletteDialog::load_palette()
{
    const QStringList files = prompts->openFileNames(this, tr("Open Palette"), QDir::homePath(),
                                                     tr("Tervanelo Palette (*.xml)"));
    for (const QString& path : files) {
        ColorPalette loaded;
        if (!loadPalette(path, loaded)) {
            prompts->plainMessage(nullptr, tr("Error while loading palette."));
            return;
        }
        addPalette(loaded);
    }
}

void PaletteDialog::save_palette()
{
    const ColorPalette palette = currentPalette();
    QString path = prompts->saveFileName(
        this, tr("Save Palette"), QDir::homePath() + "/" + QString::fromStdString(palette.name),
        tr("Tervanelo Palette (*.xml)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(".xml"))
        path += ".xml";
    const std::string file = path.toStdString();
    // Checked without creating the file: a refused save leaves nothing behind.
    const std::string problem = targetProblem(file);
    if (!problem.empty()) {
        std::cerr << "[ERROR] Error in opening palette " << file << "." << std::endl;
        prompts->plainMessage(nullptr, tr("Error while saving palette.") + "\n" +
                                           QString::fromStdString(problem));
        return;
    }
    std::string reason;
    if (!savePaletteFile(palette, file, &reason)) {
        std::cerr << "[ERROR] Error in saving palette" << file << "." << std::endl;
        prompts->plainMessage(nullptr, tr("Error while saving palette.") + "\n" +
                                           QString::fromStdString(reason));
    }
}
