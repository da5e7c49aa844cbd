// The main window after start-up: the first run, the settings file, the form
// and its action states, the close question, help, history and the palettes.

#include "windowfixture.h"

#include "Splines.hh"
#include "colorpalettewidget.h"
#include "draw_all_traces_widget.h"
#include "dropdowntoolbutton.h"
#include "grid.h"
#include "imagecompare.h"
#include "palettedialog.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "ui_tervanelo_mainwindows.h"
#include "vtkviewer.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

using namespace windowtest;
using ::testing::internal::CaptureStderr;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStderr;
using ::testing::internal::GetCapturedStdout;

namespace
{

const std::string stamp = R"(\[\d{4}-\d{2}-\d{2}\.\d{2}:\d{2}:\d{2}\])";

std::vector<QString> settingsElements(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    std::vector<QString> names;
    if (!file.open(QIODevice::ReadOnly))
        return names;
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement())
        while (xml.readNextStartElement()) {
            names.push_back(xml.name().toString());
            xml.skipCurrentElement();
        }
    return names;
}

const std::vector<QString> allElements = {"language",         "zoomIn",       "cutHorizontal",
                                          "fillWiggle",       "showFiltered", "showAllTraces",
                                          "savePngHColorbar", "twoColors"};

// ---- First run and the settings file ----

TEST(StartUp, FirstRunAsksTheLanguageThenAgainNever)
{
    FreshHome home;
    ASSERT_FALSE(std::filesystem::exists(home.workFolder()));
    {
        Started first = startWindow(FirstRunAnswer::Ok);
        EXPECT_TRUE(std::filesystem::is_directory(home.workFolder()));
        const auto log = readLines(home.logFile());
        ASSERT_FALSE(log.empty());
        EXPECT_TRUE(std::regex_match(log.front(), std::regex(stamp + " Application Start")))
            << log.front();
        ASSERT_EQ(first.dialogClasses.size(), 1u);
        EXPECT_EQ(first.dialogClasses[0], "SettingDialog");
        EXPECT_EQ(first.dialogTitles[0], "Tervanelo - User Settings");
        EXPECT_EQ(first.firstDialogButtons, std::vector<int>{int(QDialogButtonBox::Ok)});
        EXPECT_EQ(settingsElements(home.settingsFile()), allElements);
    }
    Started second = startWindow(FirstRunAnswer::Close);
    EXPECT_TRUE(second.dialogClasses.empty());
    // A new run truncates the log.
    EXPECT_EQ(countOccurrences(home.logFile(), "Application Start"), 1);
}

// Qt's automatic connection warns about every "on_<name>_<signal>" function
// declared as a slot that matches no child's signal.
std::vector<std::string> startUpMessages;
void keepMessage(QtMsgType, const QMessageLogContext&, const QString& text)
{
    startUpMessages.push_back(text.toStdString());
}

TEST(StartUp, CleanStartPrintsNoConnectionWarning)
{
    FreshHome home;
    writeCurrentSettings(home);
    startUpMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    Started started = startWindow();
    qInstallMessageHandler(previous);
    for (const std::string& message : startUpMessages)
        EXPECT_EQ(message.find("connectSlotsByName"), std::string::npos) << message;
}

TEST(StartUp, FirstRunClosedWithoutOkAsksAgainNextTime)
{
    FreshHome home;
    for (int run = 0; run < 2; ++run) {
        Started started = startWindow(FirstRunAnswer::Close);
        EXPECT_EQ(started.dialogClasses.size(), 1u) << "run " << run;
        EXPECT_FALSE(std::filesystem::exists(home.settingsFile())) << "run " << run;
    }
}

TEST(StartUp, WorkFolderThatCannotBeCreated)
{
    FreshHome home;
    // HOME names a file: nobody, not even root, can make a folder inside it.
    const std::string blocked = home.path() + "/plainfile";
    {
        std::ofstream(blocked) << "x";
    }
    setenv("HOME", blocked.c_str(), 1);
    for (int run = 0; run < 2; ++run) {
        CaptureStderr();
        Started started = startWindow(FirstRunAnswer::Ok);
        const std::string err = GetCapturedStderr();
        EXPECT_NE(err.find("Impossible to open log file"), std::string::npos) << err;
        EXPECT_EQ(started.dialogClasses.size(), 1u) << "run " << run;
        EXPECT_EQ(started.window->windowTitle(), "Tervanelo 2022.0");
    }
}

struct SettingsStartCase {
    const char* name;
    const char* elements; // null: write the current version's file
    bool dialog;
    bool twoColors;
    bool fillWiggle;
};

class SettingsAtStartUp : public ::testing::TestWithParam<SettingsStartCase>
{
};

TEST_P(SettingsAtStartUp, DecideTheFirstRunAndTheFlags)
{
    const SettingsStartCase& c = GetParam();
    FreshHome home;
    if (c.elements)
        writeSettings(home, c.elements);
    else
        writeCurrentSettings(home);
    CaptureStdout();
    CaptureStderr();
    Started started = startWindow(FirstRunAnswer::Close);
    GetCapturedStdout();
    GetCapturedStderr();
    EXPECT_EQ(!started.dialogClasses.empty(), c.dialog);
    Tervanelo_MainWindows& w = *started.window;
    EXPECT_EQ(w.settings.twoColors, c.twoColors);
    EXPECT_EQ(w.ui->widget_2->twoColors, c.dialog ? true : c.twoColors);
    EXPECT_EQ(w.ui->travelTimePreview->twoColors, c.dialog ? true : c.twoColors);
    EXPECT_EQ(w.ui->actionFill_wiggle->isChecked(), c.fillWiggle);
    // The single-shot view comes first, whatever the settings say.
    EXPECT_TRUE(w.ui->showTracesWidget->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsAtStartUp,
    ::testing::Values(
        SettingsStartCase{"current", nullptr, false, false, true},
        SettingsStartCase{"only_language", "\t<language>en</language>\n", false, false, true},
        SettingsStartCase{
            "older_all_traces_no_two_colors",
            "\t<language>en</language>\n\t<zoomIn>false</zoomIn>\n"
            "\t<cutHorizontal>true</cutHorizontal>\n\t<fillWiggle>false</fillWiggle>\n"
            "\t<showFiltered>true</showFiltered>\n\t<showAllTraces>true</showAllTraces>\n"
            "\t<savePngHColorbar>false</savePngHColorbar>\n",
            false, false, false},
        SettingsStartCase{"two_colors_in_any_order",
                          "\t<twoColors>true</twoColors>\n\t<language>en</language>\n", false, true,
                          true},
        SettingsStartCase{"no_language", "\t<zoomIn>true</zoomIn>\n", true, false, true},
        SettingsStartCase{"not_xml", "not xml", true, false, true}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- The window after start-up ----

TEST(StartUp, WindowLayoutAndScreenshot)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;

    EXPECT_EQ(w.ui->tabWidget->currentIndex(), 0);
    EXPECT_TRUE(w.ui->showTracesWidget->isHidden());
    EXPECT_EQ(w.windowTitle(), "Tervanelo 2022.0");

    std::vector<QString> titles;
    for (QAction* a : w.menuBar()->actions())
        titles.push_back(a->text());
    EXPECT_EQ(titles,
              (std::vector<QString>{"File", "Project", "Traces", "Processing", "View", "Help"}));

    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(50);
    // Shown at its own size, the traces take the golden share of the tab.
    const QList<int> sizes = w.ui->splitter->sizes();
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_NEAR(double(sizes[0]) / (sizes[0] + sizes[1]), 0.618, 0.005)
        << sizes[0] << " " << sizes[1];
    EXPECT_EQ(w.size(), QSize(928, 608));

    const QImage shot = w.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(imagecompare::outputPath("mainwindow_startup.png")));

    // Menus, tool bars and tabs are drawn: a good share of the picture is not
    // plain window background.
    const QColor background = w.palette().color(QPalette::Window);
    qint64 differing = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            differing += imagecompare::colourDistance(shot.pixelColor(x, y), background) > 8;
    EXPECT_GT(double(differing) / (double(shot.width()) * shot.height()), 0.05);
    for (QWidget* part :
         {static_cast<QWidget*>(w.menuBar()), static_cast<QWidget*>(w.ui->mainToolBar),
          static_cast<QWidget*>(w.ui->toolBar), static_cast<QWidget*>(w.ui->tabWidget)}) {
        EXPECT_TRUE(part->isVisible()) << part->objectName().toStdString();
        EXPECT_GT(part->height(), 0);
        EXPECT_TRUE(shot.rect().contains(part->mapTo(&w, QPoint(0, 0))));
    }
}

// ---- Action states for an empty survey ----

using Item = MenuItemState;

TEST(ActionStates, EmptySurvey)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;

    const std::map<QString, Item> items = walkActions(w);

    const bool on = true, off = false;
    const std::map<QString, Item> expected = {
        {"menuFile", {on, on, "", -1}},
        {"actionNew", {on, on, "Ctrl+N", -1}},
        {"actionLoad_Project", {on, on, "", -1}},
        {"actionSave_Project", {off, off, "Ctrl+S", -1}},
        {"actionSave_Project_As", {off, off, "Ctrl+Shift+S", -1}},
        {"actionLoad_TT", {on, on, "", -1}},
        {"actionExport_TravelTimes", {off, off, "", -1}},
        {"actionScreenshot", {off, off, "", -1}},
        {"actionSettings", {on, on, "", -1}},
        {"actionExit", {on, on, "Meta+Q", -1}},
        {"menuExport", {off, off, "", -1}},
        {"actionGridded_Data", {on, off, "", -1}},
        {"actionImages", {off, off, "", -1}},
        {"actionPDF", {off, off, "", -1}},
        {"actionODT", {off, off, "", -1}},
        {"menuKML", {on, off, "", -1}},
        {"actionExportTomographic_profile_2_KML", {off, off, "", -1}},
        {"actionExportSeismic_line", {off, off, "", -1}},
        {"menuProject", {on, on, "", -1}},
        {"actionGeometry", {off, off, "", -1}},
        {"actionGrid", {off, off, "", -1}},
        {"actionSet_geography_coordinates", {off, off, "", -1}},
        {"actionSet_title", {off, off, "Ctrl+T", -1}},
        {"menuTraces", {on, on, "", -1}},
        {"actionNext_file", {off, off, "Shift+Num+Right", -1}},
        {"actionPrev_file", {off, off, "Shift+Num+Left", -1}},
        {"actionAutoPick", {off, off, "Ctrl+A", -1}},
        {"actionFilter", {off, off, "", -1}},
        {"actionAGC", {off, off, "", -1}},
        {"actionApply_DaZo", {off, off, "", -1}},
        {"menuProcessing", {on, on, "", -1}},
        {"actionRefraction", {off, off, "", -1}},
        {"actionDefine_model_velocity", {off, off, "", -1}},
        {"actionRun_tomography_inversion", {off, off, "Ctrl+R", -1}},
        {"menuView", {on, on, "", -1}},
        {"actionShow_Tomographic_Profile", {off, off, "", 0}},
        {"actionShow_Information_Density_Layer", {off, off, "", 0}},
        {"actionShow_rays", {off, off, "", 0}},
        {"actionShow_refraction", {off, off, "", 0}},
        {"actionShow_Contour_Lines", {off, off, "", -1}},
        {"actionShow_scalarbar", {off, off, "", 1}},
        {"actionShow_Grid_Lines", {off, off, "", 0}},
        {"actionShow_title", {off, off, "", 1}},
        {"actionPalette", {off, off, "", -1}},
        {"actionReset_View", {off, off, "", -1}},
        {"menuShow_velocity_gradient", {off, off, "", -1}},
        {"actionVertical_Gradient", {off, off, "", 0}},
        {"actionLaplacian_Gradient", {off, off, "", 0}},
        {"menuShow_Geophones", {off, off, "", -1}},
        {"actionSmallGeo", {on, off, "", 0}},
        {"actionNormalGeo", {on, off, "", 1}},
        {"actionLargeGeo", {on, off, "", 0}},
        {"menuHelp", {on, on, "", -1}},
        {"actionUser_guide", {on, on, "", -1}},
        {"actionHelp", {on, on, "F1", -1}},
        {"actionAbout", {on, on, "", -1}},
        {"actionFill_wiggle", {off, off, "", 1}},
        {"Zoom In", {off, off, "", -1}},
        {"Zoom Out", {off, off, "", -1}},
        {"Zoom Time In", {off, off, "", -1}},
        {"Zoom Time Out", {off, off, "", -1}},
    };
    for (const auto& [name, want] : expected) {
        auto it = items.find(name);
        ASSERT_NE(it, items.end()) << "missing " << name.toStdString();
        const Item& got = it->second;
        EXPECT_EQ(got.enabled, want.enabled) << name.toStdString();
        EXPECT_EQ(got.reachable, want.reachable) << name.toStdString();
        EXPECT_EQ(got.shortcut, want.shortcut) << name.toStdString();
        EXPECT_EQ(got.checked, want.checked) << name.toStdString();
    }
    EXPECT_EQ(items.size(), expected.size()) << "the walk found items the table lacks";

    std::set<QString> usable;
    for (const auto& [name, item] : items)
        if (item.reachable && !name.startsWith("menu"))
            usable.insert(name);
    EXPECT_EQ(usable, (std::set<QString>{"actionNew", "actionLoad_Project", "actionLoad_TT",
                                         "actionSettings", "actionExit", "actionUser_guide",
                                         "actionHelp", "actionAbout"}));

    auto enabledOf = [](QToolBar* bar) {
        std::set<QString> names;
        for (QAction* a : bar->actions())
            if (!a->isSeparator() && a->isEnabled() && !a->objectName().isEmpty())
                names.insert(a->objectName());
        return names;
    };
    EXPECT_EQ(enabledOf(w.ui->mainToolBar), (std::set<QString>{"actionNew", "actionLoad_Project"}));
    EXPECT_TRUE(enabledOf(w.ui->toolBar).empty());
    EXPECT_FALSE(w.zoomButton->isEnabled());
    EXPECT_FALSE(w.timeZoomButton->isEnabled());
    // Previous, next, horizontal zoom, time zoom, DaZo: the buttons sit in front of DaZo.
    const QList<QAction*> tools = w.ui->toolBar->actions();
    ASSERT_GE(tools.size(), 5);
    EXPECT_EQ(w.ui->toolBar->widgetForAction(tools[2]), w.zoomButton);
    EXPECT_EQ(w.ui->toolBar->widgetForAction(tools[3]), w.timeZoomButton);
    EXPECT_EQ(tools[4], w.ui->actionApply_DaZo);

    EXPECT_FALSE(w.ui->tabWidget->isEnabled());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(w.ui->tabWidget->isTabEnabled(i)) << "tab " << i;
    EXPECT_EQ(w.ui->tabWidget->currentIndex(), 0);
    // Inside the disabled tab widget the check boxes cannot be used.
    for (QWidget* box :
         {static_cast<QWidget*>(w.ui->showAllPicksCB),
          static_cast<QWidget*>(w.ui->show_filtered_cb),
          static_cast<QWidget*>(w.ui->showTravelTimeCB), static_cast<QWidget*>(w.ui->showSimTT_CB)})
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
}

TEST(ActionStates, ZoomButtonFollowsItsActions)
{
    DropDownToolButton button;
    QAction in("in"), out("out");
    button.addActionWithIcon(&in, ":/icons/zoomInOriz.png");
    button.addActionWithIcon(&out, ":/icons/zoomOutOriz.png");
    button.setDefaultAction(&in);
    EXPECT_FALSE(in.icon().isNull());

    in.setEnabled(false);
    EXPECT_TRUE(button.isEnabled()) << "one action is still enabled";
    out.setEnabled(false);
    EXPECT_FALSE(button.isEnabled());
    // Enabling the action that is not the button's own enables the button.
    out.setEnabled(true);
    EXPECT_TRUE(button.isEnabled());

    // The last action chosen from the menu becomes the button's action.
    emit button.triggered(&out);
    EXPECT_EQ(button.defaultAction(), &out);
}

// ---- Title and modified mark ----

TEST(WindowTitle, MarksShowOnlyWithAProjectFile)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    struct {
        bool projectOpen;
        bool modified;
        const char* title;
        bool flagAfter;
    } rows[] = {
        {false, true, "Tervanelo 2022.0", true},
        {false, false, "Tervanelo 2022.0", false},
        {true, true, "Tervanelo 2022.0 - /data/a.tervo * ", true},
        {true, false, "Tervanelo 2022.0 - /data/a.tervo", false},
    };
    for (const auto& r : rows) {
        w.projectIsOpen = r.projectOpen;
        w.projectFile = "/data/a.tervo";
        w.document.modified = true;
        w.updateWindowTitle(r.modified);
        EXPECT_EQ(w.windowTitle(), r.title);
        EXPECT_EQ(w.document.modified, r.flagAfter) << r.title;
    }
    w.projectIsOpen = false;
    w.setModified(true);
    EXPECT_TRUE(w.document.modified);
    EXPECT_EQ(w.windowTitle(), "Tervanelo 2022.0 - /data/a.tervo") << "unchanged without a project";
}

// ---- Closing ----

TEST(Closing, AsksOnlyWhenModified)
{
    const struct {
        const char* name;
        bool modified;
        QMessageBox::StandardButton answer; // NoButton: no box expected
        bool closed;
    } rows[] = {
        {"unmodified", false, QMessageBox::NoButton, true},
        {"cancel", true, QMessageBox::Cancel, false},
        {"discard", true, QMessageBox::Discard, true},
    };
    for (const auto& r : rows) {
        FreshHome home;
        writeCurrentSettings(home);
        Started started = startWindow();
        Tervanelo_MainWindows& w = *started.window;
        w.show();
        w.document.modified = r.modified;
        QString text, informative;
        ModalWatcher answer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->text();
            informative = box->informativeText();
            EXPECT_EQ(box->standardButtons(),
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Save));
            box->button(r.answer)->click();
        });
        EXPECT_EQ(w.close(), r.closed) << r.name;
        EXPECT_EQ(answer.count(), r.answer == QMessageBox::NoButton ? 0 : 1) << r.name;
        if (answer.count() == 1) {
            EXPECT_EQ(text, "The document has been modified");
            EXPECT_EQ(informative, "Do you want to save your changes?");
        }
        EXPECT_EQ(w.isVisible(), !r.closed) << r.name;
    }
}

// ---- Help ----

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    std::vector<QUrl> urls;
public slots:
    void record(const QUrl& url) { urls.push_back(url); }
};

TEST(Help, AboutHelpAndUserGuide)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;

    ASSERT_TRUE(w.ui->actionAbout->isEnabled() && w.ui->menuHelp->isEnabled());
    QString version;
    std::vector<QString> licences;
    ModalWatcher about([&](QWidget* modal) {
        if (modal->windowTitle() == "About") {
            version = modal->findChild<QLabel*>("versionLabel")->text();
            // From the dialog's own event loop, where the licences can be answered.
            QTimer::singleShot(0, modal, [modal] {
                for (const char* button : {"pushButton", "pushButton_2"})
                    modal->findChild<QPushButton*>(button)->click();
                static_cast<QDialog*>(modal)->reject();
            });
        } else {
            licences.push_back(modal->findChild<QTextBrowser*>("textBrowser")->toPlainText());
            static_cast<QDialog*>(modal)->accept();
        }
    });
    w.ui->actionAbout->trigger();
    ASSERT_GE(about.count(), 1);
    EXPECT_EQ(about.titles.front(), "About");
    EXPECT_EQ(version, "Version: 2022.0");
    ASSERT_EQ(licences.size(), 2u);
    EXPECT_FALSE(licences[0].isEmpty());
    EXPECT_FALSE(licences[1].isEmpty());
    EXPECT_NE(licences[0], licences[1]);

    UrlRecorder web, files;
    QDesktopServices::setUrlHandler("https", &web, "record");
    QDesktopServices::setUrlHandler("file", &files, "record");
    const int linesBefore = int(readLines(home.logFile()).size());

    w.ui->actionUser_guide->trigger();
    ASSERT_EQ(files.urls.size(), 1u);
    EXPECT_EQ(files.urls[0], QUrl::fromLocalFile(
                                 QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() +
                                 "/Guida utente tervanelo 2022_0.pdf"));
    auto log = readLines(home.logFile());
    ASSERT_EQ(int(log.size()), linesBefore + 1);
    EXPECT_TRUE(std::regex_match(
        log.back(), std::regex(stamp + " Tervanelo_MainWindows::on_actionUser_guide_triggered")))
        << log.back();

    w.ui->actionHelp->trigger();
    EXPECT_EQ(web.urls.size(), 1u);
    EXPECT_EQ(files.urls.size(), 1u);
    log = readLines(home.logFile());
    ASSERT_EQ(int(log.size()), linesBefore + 2);
    EXPECT_TRUE(std::regex_match(
        log.back(), std::regex(stamp + " Tervanelo_MainWindows::on_actionHelp_triggered")))
        << log.back();
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("file");
}

TEST(Help, UserGuideWithoutAViewerSaysSo)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    // No program on the path: the desktop finds nothing to open a PDF with.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(testenv::freshDir("no_viewer")));
    QString title, text;
    ModalWatcher box([&](QWidget* modal) {
        title = modal->windowTitle();
        if (auto* message = qobject_cast<QMessageBox*>(modal))
            text = message->text();
        modal->close();
    });
    w.ui->actionUser_guide->trigger();
    qputenv("PATH", path);

    const QString guide =
        QDir::toNativeSeparators(QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() +
                                 "/Guida utente tervanelo 2022_0.pdf");
    ASSERT_EQ(box.count(), 1);
    EXPECT_EQ(title, "User guide");
    EXPECT_TRUE(text.contains(guide)) << text.toStdString();
    EXPECT_TRUE(text.contains("No viewer could open")) << text.toStdString();
    const auto log = readLines(home.logFile());
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log.back().find("No viewer could open the user guide " + guide.toStdString()),
              std::string::npos)
        << log.back();
}

TEST(Help, UserGuideShipsBesideTheProgram)
{
    // The test programs live in the build tree; the program in app/.
    const QString guide =
        QStringLiteral(TERVANELO_PROGRAM_DIR) + "/Guida utente tervanelo 2022_0.pdf";
    QFile file(guide);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << guide.toStdString();
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

// ---- Commands survive exceptions ----

TEST(Commands, AnEscapingExceptionIsShownAndTheWindowGoesOn)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    QString title, text;
    ModalWatcher answer([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    bool after = false;
    w.guarded([] { throw std::runtime_error("grid has no cells"); });
    w.guarded([&] { after = true; });
    EXPECT_EQ(answer.count(), 1);
    EXPECT_EQ(title, "Error occured");
    EXPECT_EQ(text, "grid has no cells");
    EXPECT_TRUE(after);
}

// ---- Settings command ----

// Runs Settings and answers its dialog with change(dialog), then OK.
void runSettings(Tervanelo_MainWindows& w, const std::function<void(QWidget*)>& change)
{
    ASSERT_TRUE(w.ui->actionSettings->isEnabled());
    ModalWatcher answer([&](QWidget* modal) {
        change(modal);
        modal->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    w.ui->actionSettings->trigger();
    ASSERT_EQ(answer.count(), 1);
    EXPECT_EQ(answer.classNames[0], "SettingDialog");
}

TEST(SettingsCommand, OkRewritesTheFileAndAppliesFlags)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    const int loading = countOccurrences(home.logFile(), "Loading language");

    std::filesystem::remove(home.settingsFile());
    runSettings(w, [](QWidget*) {});
    EXPECT_EQ(settingsElements(home.settingsFile()), allElements)
        << "OK without changes still writes";
    EXPECT_EQ(countOccurrences(home.logFile(), "Loading language"), loading);

    runSettings(w, [](QWidget* d) {
        d->findChild<QCheckBox*>("showAllCB")->setChecked(true);
        d->findChild<QCheckBox*>("use_two_colors")->setChecked(true);
    });
    EXPECT_TRUE(w.settings.showAllTraces);
    EXPECT_FALSE(w.ui->actionNext_file->isEnabled());
    EXPECT_TRUE(w.ui->scrollArea->isHidden());
    EXPECT_FALSE(w.ui->showTracesWidget->isHidden());
    EXPECT_TRUE(w.ui->widget_2->twoColors);
    EXPECT_TRUE(w.ui->travelTimePreview->twoColors);

    runSettings(w, [](QWidget* d) { d->findChild<QCheckBox*>("showAllCB")->setChecked(false); });
    // Next and Prev come back even without a survey.
    EXPECT_TRUE(w.ui->actionNext_file->isEnabled());
    EXPECT_TRUE(w.ui->actionPrev_file->isEnabled());
    EXPECT_FALSE(w.ui->scrollArea->isHidden());
    EXPECT_TRUE(w.ui->showTracesWidget->isHidden());

    AppSettings reread;
    reread.settingsPath = home.settingsFile();
    ASSERT_TRUE(reread.loadSettings());
    EXPECT_TRUE(reread.twoColors);
    EXPECT_FALSE(reread.showAllTraces);
}

TEST(SettingsCommand, UnwritableSettingsFileIsLogged)
{
    FreshHome home;
    // A folder where the file should be: no one can write the file, not even root.
    std::filesystem::create_directories(home.settingsFile());
    Started started = startWindow(FirstRunAnswer::Ok);
    ASSERT_EQ(started.dialogClasses.size(), 1u);
    const std::string line = "ERROR : Cannot write the settings file " + home.settingsFile();
    EXPECT_EQ(countOccurrences(home.logFile(), line), 1);
    // The Settings command also says so, in a box after its dialog.
    ModalWatcher answer([](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::Ok)->click();
        else
            modal->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    started.window->ui->actionSettings->trigger();
    ASSERT_EQ(answer.count(), 2);
    EXPECT_EQ(answer.classNames[1], "QMessageBox");
    EXPECT_EQ(countOccurrences(home.logFile(), line), 2);
}

// ---- History ----

TEST(History, FolderSurvivesARestart)
{
    FreshHome home;
    writeCurrentSettings(home);
    const std::string folder = QString::fromUtf8("/rilievi/Località").toStdString();
    {
        Started started = startWindow();
        started.window->saveHistoryFile(folder);
    }
    const auto bytes = testenv::readBytes(home.workFolder() + "Tervanelo_history.txt");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), folder);
    Started restarted = startWindow();
    EXPECT_EQ(restarted.window->readHistoryFile(), folder);
}

// ---- Palettes ----

TEST(Palettes, NineBuiltInsAfterStartUp)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;

    const struct {
        const char* name;
        int gradientType;
    } table[] = {{"RGB", 4},
                 {"Silva viridis", 8},
                 {"Vulcanic magma", 7},
                 {"Black to White", 0},
                 {"White to Black", 6},
                 {"Blue to red", 1},
                 {"Tropical parula", 5},
                 {"Dark rainbow", 2},
                 {"Early winter", 3}};
    ASSERT_EQ(w.paletteList.palettes.size(), std::size(table));
    EXPECT_EQ(w.paletteList.curr_palette, 0);
    for (size_t i = 0; i < std::size(table); ++i) {
        const ColorPalette& p = w.paletteList.palettes[i];
        EXPECT_EQ(p.name, table[i].name);
        std::vector<GradientColorPoint> expected;
        makeGradientStops(expected, table[i].gradientType);
        ASSERT_EQ(p.color_gradient.color.size(), expected.size()) << p.name;
        for (size_t k = 0; k < expected.size(); ++k) {
            const GradientColorPoint& got = p.color_gradient.color[k];
            EXPECT_TRUE(got.mr == expected[k].mr && got.mg == expected[k].mg &&
                        got.mb == expected[k].mb && got.mval == expected[k].mval)
                << p.name << " stop " << k;
        }
        EXPECT_EQ(p.min_db, 0.0) << p.name;
        EXPECT_EQ(p.max_db, 99.99) << p.name;
        EXPECT_FALSE(p.is_editable) << p.name;
    }
    auto stops = [](const ColorPalette& p) {
        std::vector<std::array<double, 4>> s;
        for (const GradientColorPoint& c : p.color_gradient.color)
            s.push_back({c.mr, c.mg, c.mb, c.mval});
        return s;
    };
    using S = std::vector<std::array<double, 4>>;
    EXPECT_EQ(stops(w.paletteList.palettes[5]), (S{{0, 0, 1, 0}, {1, 0, 0, 1}}));
    EXPECT_EQ(stops(w.paletteList.palettes[3]), (S{{0, 0, 0, 0}, {1, 1, 1, 1}}));

    // The bar sits beside the section, which takes twice its share.
    ASSERT_NE(w.paletteWidget, nullptr);
    EXPECT_EQ(w.paletteWidget->parentWidget(), w.ui->vtk_tab);
    EXPECT_GE(w.ui->vtk_layout->indexOf(w.paletteWidget), 0);
    EXPECT_EQ(w.ui->vtk_layout->stretch(w.ui->vtk_layout->indexOf(w.ui->vtk_widget)), 2);
    EXPECT_EQ(w.ui->vtk_widget->palette.name, "RGB");
}

TEST(Palettes, BarRangeReachesEveryPalette)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    w.paletteWidget->maxSpinBox->setValue(3000);
    for (const ColorPalette& p : w.paletteList.palettes)
        EXPECT_EQ(p.max_db, 3000.0) << p.name;
    EXPECT_EQ(w.ui->vtk_widget->palette.max_db, 3000.0);

    // A rebuilt bar replaces the old one, which goes once control returns.
    QPointer<ColorPaletteWidget> old = w.paletteWidget;
    w.buildPaletteBar(100.0, 900.0);
    EXPECT_NE(w.paletteWidget, old.data());
    for (const ColorPalette& p : w.paletteList.palettes) {
        EXPECT_EQ(p.min_db, 100.0) << p.name;
        EXPECT_EQ(p.max_db, 900.0) << p.name;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(w.paletteWidget->maxSpinBox->value(), 900);
}

TEST(Palettes, AcceptedPaletteDialogSetsTheRangeAndMarksTheSurvey)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    ModalWatcher answer([](QWidget* modal) {
        auto* dialog = qobject_cast<PaletteDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->editor()->maxSpinBox->setValue(777);
        modal->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    w.on_actionPalette_triggered();
    ASSERT_EQ(answer.count(), 1);
    EXPECT_TRUE(w.document.modified);
    EXPECT_EQ(w.windowTitle(), "Tervanelo 2022.0") << "no project file, no mark";
    for (const ColorPalette& p : w.paletteList.palettes)
        EXPECT_EQ(p.max_db, 777.0) << p.name;
    // The view and the bar show the range chosen in the dialog.
    EXPECT_EQ(w.ui->vtk_widget->palette.max_db, 777.0);
    EXPECT_EQ(w.paletteWidget->maxSpinBox->value(), 777);
}

// A 1 x 3 grid: two covered cells and one outside the covered area.
void setThreeCellGrid(TomoDocument& doc, std::vector<double> slowness, std::vector<bool> covered)
{
    auto ground = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
    const double x[] = {-1000.0, 1000.0};
    const double z[] = {0.0, 0.0};
    ground->buildFromPoints(x, 1, z, 1, 2);
    doc.grid =
        std::make_unique<Grid>(1u, 3u, 2u, 1.0, std::move(slowness), std::move(covered), *ground);
    doc.topography = std::move(ground);
    doc.info_density.assign(3, -1.0);
    ASSERT_EQ(doc.grid->cells.size(), 3u);
}

struct PaletteRange {
    double min;
    double max;
};

std::vector<PaletteRange> ranges(const Tervanelo_MainWindows& w)
{
    std::vector<PaletteRange> r;
    for (const ColorPalette& p : w.paletteList.palettes)
        r.push_back({p.min_db, p.max_db});
    return r;
}

TEST(Palettes, FitToTheCoveredCells)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    setThreeCellGrid(w.document, {1.0 / 500, 1.0 / 2000, 1.0 / 9000}, {true, true, false});

    CaptureStdout();
    w.fitPaletteToVelocities();
    EXPECT_NE(GetCapturedStdout().find("MIN: 500, MAX: 2000\n"), std::string::npos);
    for (const PaletteRange& r : ranges(w)) {
        EXPECT_DOUBLE_EQ(r.min, 500.0);
        EXPECT_DOUBLE_EQ(r.max, 2000.0);
    }
    // The bar follows only once the view holds the section.
    EXPECT_EQ(w.paletteWidget->maxSpinBox->value(), 99);

    w.ui->vtk_widget->setDocument(&w.document);
    w.ui->vtk_widget->buildGrid();
    ASSERT_TRUE(w.ui->vtk_widget->structuredGrid);
    w.buildPaletteBar(0.0, 99.99);
    CaptureStdout();
    w.fitPaletteToVelocities();
    GetCapturedStdout();
    EXPECT_EQ(w.paletteWidget->minSpinBox->value(), 500);
    EXPECT_EQ(w.paletteWidget->maxSpinBox->value(), 2000);
    for (const PaletteRange& r : ranges(w)) {
        EXPECT_DOUBLE_EQ(r.min, 500.0);
        EXPECT_DOUBLE_EQ(r.max, 2000.0);
    }
    EXPECT_DOUBLE_EQ(w.ui->vtk_widget->palette.max_db, 2000.0);

    // The range passes through the bar's whole-number spin boxes.
    setThreeCellGrid(w.document, {1.0 / 487.3, 1.0 / 2500.6, 1.0 / 9000}, {true, true, false});
    w.ui->vtk_widget->buildGrid();
    CaptureStdout();
    w.fitPaletteToVelocities();
    GetCapturedStdout();
    for (const PaletteRange& r : ranges(w)) {
        EXPECT_EQ(r.min, 487.0);
        EXPECT_EQ(r.max, 2500.0);
    }
}

TEST(Palettes, FitWithoutCoveredCellsKeepsEveryRange)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    setThreeCellGrid(w.document, {1.0 / 500, 1.0 / 2000, 1.0 / 9000}, {false, false, false});
    w.ui->vtk_widget->setDocument(&w.document);
    w.ui->vtk_widget->buildGrid();
    w.buildPaletteBar(10.0, 20.0);
    CaptureStdout();
    w.fitPaletteToVelocities();
    GetCapturedStdout();
    for (const PaletteRange& r : ranges(w)) {
        EXPECT_EQ(r.min, 10.0);
        EXPECT_EQ(r.max, 20.0);
    }
    EXPECT_EQ(w.paletteWidget->minSpinBox->value(), 10);
    EXPECT_EQ(w.paletteWidget->maxSpinBox->value(), 20);
}

TEST(Palettes, FitToATinySlownessStaysInTheSpinBoxRange)
{
    // A tiny positive slowness passes the grid's checks; its velocity is far
    // beyond what an int holds (the test build traps float-to-int overflow).
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    setThreeCellGrid(w.document, {1.0 / 500, 1e-12, 1.0 / 9000}, {true, true, false});
    w.ui->vtk_widget->setDocument(&w.document);
    w.ui->vtk_widget->buildGrid();
    CaptureStdout();
    w.fitPaletteToVelocities();
    GetCapturedStdout();
    EXPECT_EQ(w.paletteWidget->maxSpinBox->value(), 2147483647);
    EXPECT_EQ(w.paletteWidget->minSpinBox->value(), 500);
}

// ---- Window events ----

TEST(WindowEvents, FrameReleaseRedrawsTheSectionInItsType)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    // Without a section nothing is drawn, and nothing breaks.
    QEvent release(QEvent::NonClientAreaMouseButtonRelease);
    QCoreApplication::sendEvent(&w, &release);

    setThreeCellGrid(w.document, {1.0 / 500, 1.0 / 1000, 1.0 / 2000}, {true, true, true});
    vtkViewer& view = *w.ui->vtk_widget;
    view.setDocument(&w.document);
    view.updateScalarArrays();
    view.showProfile(7);
    const vtkSmartPointer<vtkCubeAxesActor> before = view.cubeAxes;
    CaptureStdout();
    QCoreApplication::sendEvent(&w, &release);
    GetCapturedStdout();
    EXPECT_NE(view.cubeAxes.GetPointer(), before.GetPointer()) << "the scene was not rebuilt";
    EXPECT_EQ(view.showType, 7);
}

} // namespace

#include "test_mainwindow.moc"
