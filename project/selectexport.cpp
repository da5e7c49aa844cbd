#include "selectexport.h"

#include "ui_selectexport.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QPixmap>

#include <iostream>

namespace
{
void sayValue(const char* name, bool b)
{
    std::cout << "selectExport::" << name << " : " << (b ? 1 : 0) << std::endl;
}

void offer(QCheckBox* box, bool b)
{
    if (!b)
        return;
    box->setEnabled(true);
    box->setCheckable(true);
    box->setChecked(true);
}
} // namespace

selectExport::selectExport(const QColor& background, QWidget* parent)
    : QDialog(parent), ui(new Ui::selectExport)
{
    ui->setupUi(this);
    setWindowTitle(tr("Export Images"));
    connect(ui->checkTraces, &QCheckBox::clicked, this, &selectExport::setExportTraces);
    connect(ui->checkTT, &QCheckBox::clicked, this, &selectExport::setExportTT);
    connect(ui->checkProf, &QCheckBox::clicked, this, &selectExport::setExportProf);
    connect(ui->checkProfIsolines, &QCheckBox::clicked, this, &selectExport::setExportProfIsolines);
    connect(ui->checkProfIsolinesFilled, &QCheckBox::clicked, this,
            &selectExport::setExportProfIsolinesFilled);
    connect(ui->checkProfGradientIsolines, &QCheckBox::clicked, this,
            &selectExport::setExportProfIsolinesOnGradient);
    connect(ui->checkProfLaplacianIsolines, &QCheckBox::clicked, this,
            &selectExport::setExportProfIsolinesOnLaplacian);
    connect(ui->checkProfGradient, &QCheckBox::clicked, this, &selectExport::setExportProfGradient);
    connect(ui->checkProfGradientRays, &QCheckBox::clicked, this,
            &selectExport::setExportProfGradientRays);
    connect(ui->checkProfLaplacian, &QCheckBox::clicked, this,
            &selectExport::setExportProfLaplacian);
    connect(ui->checkProfLaplacianRays, &QCheckBox::clicked, this,
            &selectExport::setExportProfLaplacianRays);
    connect(ui->equidistantCB, &QCheckBox::toggled, this,
            &selectExport::setExportEquidistantLabels);
    connect(ui->newRenderEngine, &QCheckBox::clicked, this, &selectExport::setUsesNewEngine);
    backgroundColor = background;
    paintColorButton();
}

selectExport::~selectExport()
{
    delete ui;
}

void selectExport::paintColorButton()
{
    QPixmap pixmap(50, 50);
    pixmap.fill(backgroundColor);
    ui->botton_background->setIcon(QIcon(pixmap));
}

#define TERVANELO_AVAILABILITY(name, option, box)                                                  \
    void selectExport::name(bool b)                                                                \
    {                                                                                              \
        sayValue(#name, b);                                                                        \
        option = b;                                                                                \
        offer(ui->box, b);                                                                         \
    }

TERVANELO_AVAILABILITY(setExportTraces, exportTraces, checkTraces)
TERVANELO_AVAILABILITY(setExportTT, exportTT, checkTT)
TERVANELO_AVAILABILITY(setExportProf, exportProf, checkProf)
TERVANELO_AVAILABILITY(setExportProfIsolines, exportProfIsolines, checkProfIsolines)
TERVANELO_AVAILABILITY(setExportProfIsolinesOnGradient, exportProfIsolinesOnGradient,
                       checkProfGradientIsolines)
TERVANELO_AVAILABILITY(setExportProfIsolinesOnLaplacian, exportProfIsolinesOnLaplacian,
                       checkProfLaplacianIsolines)
TERVANELO_AVAILABILITY(setExportProfIsolinesFilled, exportProfIsolinesFilled,
                       checkProfIsolinesFilled)
TERVANELO_AVAILABILITY(setExportProfVelocityRays, exportProfVelocityRays, checkProfRays)
TERVANELO_AVAILABILITY(setExportProfGradient, exportProfGradient, checkProfGradient)
TERVANELO_AVAILABILITY(setExportProfGradientRays, exportProfGradientRays, checkProfGradientRays)
TERVANELO_AVAILABILITY(setExportProfLaplacian, exportProfLaplacian, checkProfLaplacian)
TERVANELO_AVAILABILITY(setExportProfLaplacianRays, exportProfLaplacianRays, checkProfLaplacianRays)
#undef TERVANELO_AVAILABILITY

void selectExport::setExportEquidistantLabels(bool b)
{
    sayValue("setExportEquidistantLabels", b);
    exportEquidistantLabels = b;
    ui->equidistantCB->setChecked(b);
}

void selectExport::setExportHorizontalColorBar(bool b)
{
    sayValue("setExportHorizontalColorBar", b);
    exportHorizontalColorBar = b;
    ui->horizontalBarCB->setChecked(b);
}

void selectExport::setUsesNewEngine(bool b)
{
    sayValue("setUsesNewEngine", b);
    usesNewEngine = b;
    if (b)
        ui->newRenderEngine->setChecked(true);
}

void selectExport::setFontScaleFactor(double f)
{
    ui->fontScaleSpinBox->setValue(f);
}

void selectExport::setNumberOfLabels(int n)
{
    if (n == 0)
        ui->less->setChecked(true);
    else if (n == 1)
        ui->normal->setChecked(true);
    else if (n == 2)
        ui->more->setChecked(true);
}

void selectExport::on_horizontalBarCB_stateChanged(int state)
{
    exportHorizontalColorBar = state != Qt::Unchecked;
}

void selectExport::on_botton_background_clicked()
{
    QColorDialog dialog(backgroundColor, this);
    dialog.setWindowTitle(tr("Select background color"));
    dialog.setOption(QColorDialog::ShowAlphaChannel);
    if (dialog.exec() != QDialog::Accepted)
        return;
    backgroundColor = dialog.selectedColor();
    paintColorButton();
}

void selectExport::on_buttonBox_accepted()
{
    // A box never offered is not checkable, so it reads false here.
    exportTraces = ui->checkTraces->isChecked();
    exportTT = ui->checkTT->isChecked();
    exportProf = ui->checkProf->isChecked();
    exportProfVelocityRays = ui->checkProfRays->isChecked();
    exportProfIsolines = ui->checkProfIsolines->isChecked();
    exportProfIsolinesFilled = ui->checkProfIsolinesFilled->isChecked();
    exportProfIsolinesOnGradient = ui->checkProfGradientIsolines->isChecked();
    exportProfIsolinesOnLaplacian = ui->checkProfLaplacianIsolines->isChecked();
    exportProfGradient = ui->checkProfGradient->isChecked();
    exportProfGradientRays = ui->checkProfGradientRays->isChecked();
    exportProfLaplacianRays = ui->checkProfLaplacianRays->isChecked();
    fontScaleFactor = ui->fontScaleSpinBox->value();
    if (ui->less->isChecked())
        numberOfLabels = 0;
    else if (ui->normal->isChecked())
        numberOfLabels = 1;
    else if (ui->more->isChecked())
        numberOfLabels = 2;
}

void selectExport::setDocumentExport()
{
    ui->basename->hide();
    ui->label->hide();
    setWindowTitle(tr("Set images to be included in the document"));
}

void selectExport::disableTracesExport()
{
    ui->checkTraces->setEnabled(false);
}

QString selectExport::fileBasename() const
{
    return ui->basename->toPlainText();
}
