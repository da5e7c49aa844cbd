#include "contourlines_dialog.h"
#include "ui_contourlines_dialog.h"

#include "contourlevels.h"
#include "grid.h"
#include "sectionprompts.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

contourlines_dialog::contourlines_dialog(Grid* grid, bool equallySpaced, int numberOfValues,
                                         bool customized, std::set<double> customValues,
                                         bool filled, bool profile, bool gradient, bool laplacian,
                                         QColor colour, int fontSize, QWidget* parent)
    : QDialog(parent), velocityGrid(grid), ui(std::make_unique<Ui::contourlines_dialog>()),
      prompts(&defaultSectionPrompts())
{
    ui->setupUi(this);
    setWindowTitle(tr("Contour Lines - Settings"));

    if (velocityGrid)
        for (const GridCell& cell : velocityGrid->cells) {
            const double v = cell.slowness == 0.0 ? DBL_MAX : 1.0 / cell.slowness;
            gridMinVelocity = std::min(gridMinVelocity, v);
            gridMaxVelocity = std::max(gridMaxVelocity, v);
        }

    ui->spinBox->setMinimum(1);
    ui->spinBox->setMaximum(velocityGrid ? static_cast<int>(velocityGrid->righe) : 1);
    ui->spinBox->setValue(numberOfValues);

    connect(ui->add_button, &QPushButton::clicked, this, [this] { add_value(); });
    connect(ui->customizedCB, &QCheckBox::clicked, this,
            &contourlines_dialog::enable_add_more_values);
    connect(ui->equallySpacedCB, &QCheckBox::clicked, this,
            &contourlines_dialog::enable_add_number_of_values);
    for (QRadioButton* button :
         {ui->gradientContours, ui->laplacianGradientContours, ui->profileContours})
        connect(button, &QRadioButton::clicked, this, &contourlines_dialog::enable_filled_contours);

    auto* content = new QWidget;
    content->setLayout(new QVBoxLayout);
    ui->scrollArea->setWidget(content);
    ui->scrollArea->setWidgetResizable(true);
    ui->scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    ui->equallySpacedCB->setChecked(equallySpaced);
    ui->spinBox->setEnabled(equallySpaced);
    enable_add_more_values(customized);
    ui->spinBox->setValue(numberOfValues);

    if (customValues.empty())
        add_value();
    for (double v : customValues)
        add_value(v);

    ui->gradientContours->setChecked(gradient);
    ui->profileContours->setChecked(profile);
    ui->laplacianGradientContours->setChecked(laplacian);
    ui->filledContours->setEnabled(profile);
    if (profile)
        ui->filledContours->setChecked(filled);

    contourLineColor = colour;
    ui->fontSize->setValue(fontSize);
    showColour();
    updateButtons();
}

contourlines_dialog::~contourlines_dialog() = default;

bool contourlines_dialog::isCustomized() const
{
    return ui->customizedCB->isChecked();
}
bool contourlines_dialog::isEquallySpaced() const
{
    return ui->equallySpacedCB->isChecked();
}
int contourlines_dialog::numberOfValues() const
{
    return ui->spinBox->value();
}
int contourlines_dialog::labelEveryN() const
{
    return ui->every_N_contour_lines_spinBox->value();
}
int contourlines_dialog::labelFontSize() const
{
    return ui->fontSize->value();
}
bool contourlines_dialog::isFilledContours() const
{
    return ui->filledContours->isChecked();
}
bool contourlines_dialog::isProfileContours() const
{
    return ui->profileContours->isChecked();
}
bool contourlines_dialog::isGradientContours() const
{
    return ui->gradientContours->isChecked();
}
bool contourlines_dialog::isLaplacianGradientContours() const
{
    return ui->laplacianGradientContours->isChecked();
}

std::set<double> contourlines_dialog::customizedValues() const
{
    std::set<double> values;
    for (const QDoubleSpinBox* row : valueRows)
        values.insert(row->value());
    return values;
}

void contourlines_dialog::updateButtons()
{
    const bool rows = !valueRows.empty();
    const bool custom = ui->customizedCB->isChecked();
    ui->remove_all_button->setEnabled(custom && rows);
    ui->buttonBox->button(QDialogButtonBox::Ok)
        ->setEnabled(ui->equallySpacedCB->isChecked() || (custom && rows));
}

void contourlines_dialog::add_value(double v)
{
    auto* row = new QDoubleSpinBox;
    // Decimals and range first: the value would be clamped to 0..99.99.
    row->setDecimals(2);
    row->setSingleStep(1.0);
    row->setRange(gridMinVelocity, gridMaxVelocity);
    row->setValue(v == DBL_MAX ? (gridMinVelocity + gridMaxVelocity) * 0.5 : v);
    row->setEnabled(ui->customizedCB->isChecked());
    ui->scrollArea->widget()->layout()->addWidget(row);
    valueRows.push_back(row);
    QScrollBar* bar = ui->scrollArea->verticalScrollBar();
    bar->setValue(bar->maximum());
    updateButtons();
}

void contourlines_dialog::add_value()
{
    add_value(DBL_MAX);
}

void contourlines_dialog::enable_add_more_values(bool on)
{
    ui->customizedCB->setChecked(on);
    ui->add_button->setEnabled(on);
    ui->scrollArea->setEnabled(on);
    for (QDoubleSpinBox* row : valueRows)
        row->setEnabled(on);
    ui->save_button->setEnabled(on);
    ui->load_button->setEnabled(on);
    updateButtons();
}

void contourlines_dialog::enable_add_number_of_values(bool on)
{
    ui->equallySpacedCB->setChecked(on);
    ui->spinBox->setEnabled(on);
    updateButtons();
}

void contourlines_dialog::enable_filled_contours()
{
    ui->filledContours->setEnabled(ui->profileContours->isChecked());
}

void contourlines_dialog::removeRows()
{
    for (QDoubleSpinBox* row : valueRows)
        delete row;
    valueRows.clear();
}

void contourlines_dialog::on_remove_all_button_clicked()
{
    removeRows();
    updateButtons();
}

void contourlines_dialog::showColour()
{
    QPixmap square(50, 50);
    square.fill(contourLineColor);
    ui->toolColorButton->setIcon(QIcon(square));
}

void contourlines_dialog::on_toolColorButton_clicked()
{
    const QColor chosen = prompts->color(contourLineColor, this, tr("Select background color"),
                                         QColorDialog::ShowAlphaChannel);
    if (!chosen.isValid())
        return;
    contourLineColor = chosen;
    showColour();
}

void contourlines_dialog::on_save_button_clicked()
{
    std::string delimiter;
    if (!prompts->chooseDelimiter(delimiter))
        return;
    QString path =
        prompts->saveFileName(this, tr("Save Isovalues"), QDir::homePath(), tr("Isolines (*.csv)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(".csv"))
        path += ".csv";
    std::string reason;
    if (!writeIsovalues(path.toStdString(), delimiter, customizedValues(), &reason))
        prompts->critical(nullptr, tr("Error"),
                          tr("Cannot save file ") + path + "\n" + QString::fromStdString(reason));
}

void contourlines_dialog::on_load_button_clicked()
{
    // The chosen file is opened as it is: it exists, whatever its suffix.
    const QString path =
        prompts->openFileName(this, tr("Load Isovalues"), QDir::homePath(), tr("Isolines (*.csv)"));
    if (path.isEmpty())
        return;
    std::string delimiter;
    if (!prompts->chooseDelimiter(delimiter))
        return;
    std::vector<double> values;
    std::string reason;
    if (!readIsovalues(path.toStdString(), delimiter, values, &reason)) {
        prompts->critical(nullptr, tr("Error"),
                          tr("Cannot open file ") + path +
                              (reason.empty() ? QString() : "\n" + QString::fromStdString(reason)));
        return;
    }
    removeRows();
    bool skipped = false;
    for (double v : values) {
        if (v >= gridMinVelocity && v <= gridMaxVelocity)
            add_value(v);
        else
            skipped = true;
    }
    if (skipped)
        prompts->information(nullptr, tr("Warning"),
                             tr("Some loaded isovalues were out of range. Ignored."));
    updateButtons();
}
