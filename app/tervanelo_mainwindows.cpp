#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include "colorpalettewidget.h"
#include "dialogabout.h"
#include "dialogscreenfit.h"
#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "drawttime.h"
#include "dropdowntoolbutton.h"
#include "history.h"
#include "initresources.h"
#include "logger.h"
#include "projectcommands.h"
#include "refractioncontroller.h"
#include "refractiondatastructure.h"
#include "save_project.h"
#include "sectiondisplay.h"
#include "settingdialog.h"
#include "surveycommands.h"
#include "tracedisplay.h"
#include "vtkviewer.h"
#include "workfolder.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QUrl>

#include <climits>
#include <type_traits>
#include <vector>

namespace
{
// The maker's page listing the program's documents.
const char* const onlineHelpUrl = "https://tervanelo.example.org/documentation/";
const char* const userGuideName = "/Guida utente tervanelo 2022_0.pdf";
} // namespace

Tervanelo_MainWindows::Tervanelo_MainWindows(QWidget* parent)
    : QMainWindow(parent), titleText(tr("Tervanelo 2022.0").toStdString())
{
    paletteList.curr_palette = INT_MAX; // none until the palettes are set up
    tervanelo::initResources();
    fitDialogsToScreen();
    ui = new Ui::Tervanelo_MainWindows;
    ui->setupUi(this);

    // The trace zoom actions live in two drop-down buttons of the tool bar, in
    // front of DaZo; all start disabled.
    auto makeZoomButton = [this](QAction* in, QAction* out, const char* inIcon,
                                 const char* outIcon) {
        auto* button = new DropDownToolButton;
        button->addActionWithIcon(in, QString::fromLatin1(inIcon));
        button->addActionWithIcon(out, QString::fromLatin1(outIcon));
        button->setDefaultAction(in);
        in->setEnabled(false);
        out->setEnabled(false);
        button->setEnabled(false);
        ui->toolBar->insertWidget(ui->actionApply_DaZo, button);
        return button;
    };
    zoomInAction = new QAction(tr("Zoom In"), this);
    zoomOutAction = new QAction(tr("Zoom Out"), this);
    connect(zoomInAction, &QAction::triggered, this,
            &Tervanelo_MainWindows::on_actionZoom_in_traces_triggered);
    connect(zoomOutAction, &QAction::triggered, this,
            &Tervanelo_MainWindows::on_actionZoom_out_traces_triggered);
    zoomButton = makeZoomButton(zoomInAction, zoomOutAction, ":/icons/zoomInOriz.png",
                                ":/icons/zoomOutOriz.png");
    zoomTimeInAction = new QAction(tr("Zoom Time In"), this);
    zoomTimeOutAction = new QAction(tr("Zoom Time Out"), this);
    connect(zoomTimeInAction, &QAction::triggered, this,
            &Tervanelo_MainWindows::on_actionZoomT_in_traces_triggered);
    connect(zoomTimeOutAction, &QAction::triggered, this,
            &Tervanelo_MainWindows::on_actionZoomT_out_traces_triggered);
    timeZoomButton = makeZoomButton(zoomTimeInAction, zoomTimeOutAction, ":/icons/zoomInVert.png",
                                    ":/icons/zoomOutVert.png");
    createControllers();

    workFolder = QDir::homePath().toStdString() + "/Tervanelo_TMP/";
    if (!QDir(QString::fromStdString(workFolder)).exists())
        QDir().mkdir(QString::fromStdString(workFolder));
    logFile = workFolder + "Tervanelo_log.log";
    settingsFile = workFolder + "Tervanelo_settings.xml";
    historyFile = workFolder + "Tervanelo_history.txt";

    logger = new Logger(logFile);
    logger->writeLog("Application Start", 0);
    // What saves killed while packing left beside the last projects.
    if (QFileInfo::exists(QString::fromStdString(historyFile)))
        removeSaveLeftoversIn(::readHistoryFile(historyFile));

    settings.settingsPath = settingsFile;
    sectionDisplay->setWorkFolder(workFolder);
    setupPalettes();
    const bool settingsLoaded = settings.loadSettings();
    setupLanguages(settingsLoaded);
    exportBackground = QColor(235, 235, 235, 255);

    if (!settingsLoaded)
        runFirstRunDialog();

    updateActionsState(false);

    auto connectTraceView = [this](auto* view) {
        using View = std::remove_pointer_t<decltype(view)>;
        connect(view, &View::pick_added, this, &Tervanelo_MainWindows::enable_draw_travel_times);
        connect(view, &View::pick_edited, this, &Tervanelo_MainWindows::on_pickEdited);
        connect(view, &View::mouse_moved, this, &Tervanelo_MainWindows::on_mousemoved);
    };
    connectTraceView(ui->widget_3);
    connectTraceView(ui->showTracesWidget);

    // The split needs the width of the traces tab, but the window is not shown
    // yet and its layouts have not run: run them from the window down to the tab.
    ui->tabWidget->setCurrentIndex(0);
    std::vector<QWidget*> chain;
    for (QWidget* w = ui->parentOfSplit->parentWidget(); w; w = w->parentWidget())
        chain.insert(chain.begin(), w);
    for (QWidget* w : chain)
        if (w->layout())
            w->layout()->activate();
    const int width = ui->parentOfSplit->width();
    const int first = static_cast<int>(width * 0.618);
    ui->splitter->setSizes({first, width - first});

    ui->showTracesWidget->hide();
    ui->tabWidget->setCurrentIndex(0);
    on_tabWidget_tabBarClicked(0);
    connect(ui->show_filtered_cb, &QCheckBox::clicked, this,
            &Tervanelo_MainWindows::update_show_traces);
}

Tervanelo_MainWindows::~Tervanelo_MainWindows()
{
    // Qt deletes the child widgets after this body: the section view must not
    // keep a pointer to freed refraction data meanwhile.
    sectionDisplay->setRefraction(nullptr);
    delete refractionData;
    refractionData = nullptr;
    delete ui;
    // Only the document writes the log, and it no longer runs any command.
    delete logger;
    logger = nullptr;
    document.logger = nullptr;
}

void Tervanelo_MainWindows::runFirstRunDialog()
{
    auto* dialog = new SettingDialog(languageCodes, currentLanguage, this);
    dialog->languageOnlyMode();
    if (dialog->exec() == QDialog::Accepted) {
        const int chosen = dialog->selectedLanguage;
        if (chosen != currentLanguage && chosen >= 0 && chosen < int(languageCodes.size()))
            switchLanguage(chosen);
        storeSettings();
    }
    delete dialog;
}

bool Tervanelo_MainWindows::event(QEvent* e)
{
    // A button released on the frame ends a resize by the window manager.
    if (e->type() == QEvent::NonClientAreaMouseButtonRelease)
        sectionDisplay->redraw();
    return QMainWindow::event(e);
}

void Tervanelo_MainWindows::closeEvent(QCloseEvent* e)
{
    if (askToSaveChanges())
        e->accept();
    else
        e->ignore();
}

void Tervanelo_MainWindows::logCommand(const char* name)
{
    logger->writeLog(std::string("Tervanelo_MainWindows::") + name, 0);
}

void Tervanelo_MainWindows::showCommandError(const std::exception& e)
{
    QMessageBox::critical(this, tr("Error occured"), QString::fromLocal8Bit(e.what()));
}

// ---- Languages and settings ----

void Tervanelo_MainWindows::setupLanguages(bool settingsLoaded)
{
    QString wanted = QStringLiteral("en");
    if (settingsLoaded) {
        wanted = QString::fromStdString(settings.language);
        ui->travelTimePreview->twoColors = settings.twoColors;
        ui->widget_2->twoColors = settings.twoColors;
        show_fill_wiggle(settings.fillWiggle);
        // No shot is shown yet, so the show-filtered flag waits for the first one.
    }
    for (const auto& language : scanLanguages(languageFolder)) {
        languageCodes.push_back(language);
        if (language.first != wanted)
            continue;
        currentLanguage = int(languageCodes.size()) - 1;
        translator = new QTranslator(QCoreApplication::instance());
        translator->load(language.second, languageFolder);
        QCoreApplication::installTranslator(translator);
        ui->retranslateUi(this);
        updateWindowTitle(document.modified);
        settings.setLanguage(language.first.toStdString());
    }
}

bool Tervanelo_MainWindows::switchLanguage(int index)
{
    const QString code = languageCodes.at(size_t(index)).first;
    const QString fileName = languageCodes.at(size_t(index)).second;
    logger->writeLog("Loading language " + fileName.toStdString(), 0);
    QTranslator* loaded = loadTranslator(languageFolder, fileName);
    if (!loaded) {
        logger->writeLog("Loading language " + fileName.toStdString(), 1);
        return false;
    }
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translator = loaded;
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator);
    QLocale::setDefault(QLocale(code));
    currentLanguage = index;
    ui->retranslateUi(this);
    // The form's title has no project marks.
    updateWindowTitle(document.modified);
    settings.setLanguage(code.toStdString());
    return true;
}

void Tervanelo_MainWindows::storeSettings()
{
    if (!settings.saveSettings())
        logger->writeLog("Cannot write the settings file " + settings.settingsPath, 1);
}

void Tervanelo_MainWindows::on_actionSettings_triggered()
{
    logCommand(__func__);
    guarded([this] {
        SettingDialog dialog(languageCodes, currentLanguage, this);
        dialog.setZoomIn(settings.zoomIn);
        dialog.setCutHorizontal(settings.cutHorizontal);
        dialog.setShowFiltered(settings.showFiltered);
        dialog.setFillWiggle(settings.fillWiggle);
        dialog.setShowAllTraces(settings.showAllTraces);
        dialog.setTwoColors(settings.twoColors);
        if (dialog.exec() != QDialog::Accepted)
            return;

        const AppSettings old = settings;
        settings.zoomIn = dialog.isZoomIn();
        settings.cutHorizontal = dialog.isCutHorizontal();
        settings.showFiltered = dialog.isShowFiltered();
        settings.fillWiggle = dialog.isFillWiggle();
        settings.showAllTraces = dialog.isShowAllTraces();
        settings.twoColors = dialog.isTwoColors();

        const int chosen = dialog.selectedLanguage;
        if (chosen != currentLanguage && chosen >= 0 && chosen < int(languageCodes.size()))
            switchLanguage(chosen);

        if (settings.cutHorizontal != old.cutHorizontal)
            cutWaveForm(settings.cutHorizontal);
        if (settings.zoomIn != old.zoomIn)
            zoomInWindow(settings.zoomIn);
        // Through the display command, which falls back to the recorded
        // samples when the shot has no filtered ones.
        if (settings.showFiltered != old.showFiltered)
            update_show_traces(settings.showFiltered);
        if (settings.fillWiggle != old.fillWiggle)
            show_fill_wiggle(settings.fillWiggle);
        if (settings.showAllTraces != old.showAllTraces) {
            ui->scrollArea->setVisible(!settings.showAllTraces);
            ui->showTracesWidget->setVisible(settings.showAllTraces);
        }
        if (settings.twoColors != old.twoColors) {
            ui->widget_2->twoColors = settings.twoColors;
            ui->travelTimePreview->twoColors = settings.twoColors;
            ui->widget_2->update();
            ui->travelTimePreview->update();
        }
        ui->actionNext_file->setEnabled(!settings.showAllTraces);
        ui->actionPrev_file->setEnabled(!settings.showAllTraces);
        storeSettings();
    });
}

// ---- Action states and title ----

void Tervanelo_MainWindows::updateActionsState(bool e)
{
    const bool results = document.has_tomographic_info;
    Ui::Tervanelo_MainWindows& f = *ui;

    f.menuProject->setEnabled(true);
    for (QAction* a :
         {f.actionGeometry, f.actionSet_title, f.actionGrid, f.actionSet_geography_coordinates})
        a->setEnabled(e);

    f.menuProcessing->setEnabled(true);
    for (QAction* a : {f.actionDefine_model_velocity, f.actionRun_tomography_inversion,
                       f.actionRefraction, f.actionExport_TravelTimes})
        a->setEnabled(e);

    f.menuTraces->setEnabled(true);
    f.actionAutoPick->setEnabled(e);
    f.actionApply_DaZo->setEnabled(e);

    f.menuView->setEnabled(true);
    f.actionPalette->setEnabled(e);
    f.actionScreenshot->setEnabled(e);

    for (QAction* a : {zoomInAction, zoomOutAction, zoomTimeInAction, zoomTimeOutAction})
        a->setEnabled(e);
    zoomButton->setEnabled(e);
    timeZoomButton->setEnabled(e);
    if (!e) {
        zoomButton->setDefaultAction(zoomInAction);
        timeZoomButton->setDefaultAction(zoomTimeInAction);
    }

    f.actionNext_file->setEnabled(e);
    f.actionPrev_file->setEnabled(e);

    f.menuExport->setEnabled(e);
    for (QAction* a :
         {f.actionSave_Project, f.actionSave_Project_As, f.actionExportTomographic_profile_2_KML,
          f.actionExportSeismic_line, f.actionSet_title, f.actionImages, f.actionODT, f.actionPDF})
        a->setEnabled(e);

    f.tabWidget->setEnabled(e);
    for (int i = 0; i < 3; ++i)
        f.tabWidget->setTabEnabled(i, false);

    if (e) {
        f.tabWidget->setTabEnabled(0, !document.ttArray.empty());
        f.tabWidget->setTabEnabled(1, document.hasPicks());
        f.tabWidget->setTabEnabled(2, results);
        f.showSimTT_CB->setEnabled(results);
    }

    f.actionShow_rays->setEnabled(!document.rayPaths.empty());
    f.actionShow_Contour_Lines->setEnabled(results);
    f.actionShow_Tomographic_Profile->setEnabled(results);
    f.actionShow_scalarbar->setEnabled(results);
    f.actionShow_scalarbar->setChecked(f.vtk_widget->showScalarBar);
    f.actionShow_Grid_Lines->setEnabled(results);
    f.actionShow_Grid_Lines->setChecked(f.vtk_widget->showGridLines);
    f.actionShow_title->setEnabled(results);
    f.actionShow_title->setChecked(f.vtk_widget->showTitle);

    RefractionController::resetShowAction(f.actionShow_refraction, *sectionDisplay, refractionData);

    f.actionReset_View->setEnabled(results);
    f.menuShow_velocity_gradient->setEnabled(results);
    for (QAction* a : {f.actionVertical_Gradient, f.actionLaplacian_Gradient,
                       f.actionShow_Information_Density_Layer}) {
        a->setEnabled(results);
        a->setCheckable(true);
    }
    f.menuShow_Geophones->setEnabled(results);
    for (QAction* a : {f.actionLargeGeo, f.actionSmallGeo, f.actionNormalGeo})
        a->setCheckable(true);
}

void Tervanelo_MainWindows::updateWindowTitle(bool modified)
{
    std::string title = titleText;
    if (projectIsOpen) {
        title += " - " + projectFile;
        if (modified)
            title += " * ";
    }
    setWindowTitle(QString::fromStdString(title));
    if (!modified)
        document.modified = false;
}

void Tervanelo_MainWindows::setModified(bool b)
{
    document.modified = b;
    if (b && projectIsOpen)
        updateWindowTitle(true);
}

// ---- History ----

std::string Tervanelo_MainWindows::readHistoryFile()
{
    return ::readHistoryFile(historyFile);
}

void Tervanelo_MainWindows::saveHistoryFile(std::string folder)
{
    ::saveHistoryFile(historyFile, folder);
}

// ---- Help ----

void Tervanelo_MainWindows::on_actionAbout_triggered()
{
    logCommand(__func__);
    guarded([] {
        DialogAbout about;
        about.exec();
    });
}

void Tervanelo_MainWindows::on_actionExit_triggered()
{
    logCommand(__func__);
    // Deliberately no question about unsaved changes: Exit quits at once.
    QCoreApplication::quit();
}

void Tervanelo_MainWindows::on_actionHelp_triggered()
{
    logCommand(__func__);
    guarded([] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(onlineHelpUrl))); });
}

void Tervanelo_MainWindows::on_actionUser_guide_triggered()
{
    logCommand(__func__);
    guarded([this] {
        // Beside the program, wherever it was started from.
        const QString folder = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
        const QString guide = folder + QString::fromUtf8(userGuideName);
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
            return;
        // Without a PDF viewer the desktop says nothing but a line on standard error.
        logger->writeLog("No viewer could open the user guide " + guide.toStdString(), 1);
        QMessageBox::warning(
            this, tr("User guide"),
            tr("No viewer could open the user guide:\n%1").arg(QDir::toNativeSeparators(guide)));
    });
}
