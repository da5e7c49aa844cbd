// Every dialog the program can show, opened on a laptop screen of 1366 x 768
// (the test's own X server): its frame lies inside the screen's available
// area and its buttons are on screen. On a large screen the same dialogs keep
// the size of their forms.

#include "addhandledialog.h"
#include "confirm_file_replace.h"
#include "contourlines_dialog.h"
#include "dialogabout.h"
#include "dialogscreenfit.h"
#include "dialogsetgeometry.h"
#include "dofilteringdialog.h"
#include "editgeomedit.h"
#include "exporttomoveldata.h"
#include "grid.h"
#include "griddialog.h"
#include "licensedialog.h"
#include "palettedialog.h"
#include "progresstomography_dialog.h"
#include "refractiondatastructure.h"
#include "refractionprocessingdialog.h"
#include "runtomography_dialog.h"
#include "save_project.h"
#include "save_project_log_dialog.h"
#include "select_csv_delimiter_dialog.h"
#include "select_speed_dialog.h"
#include "selectexport.h"
#include "set_screenshot_scale_dialog.h"
#include "setgeographydialog.h"
#include "setprojecttitle.h"
#include "settingdialog.h"
#include "shoteditdialog.h"
#include "tervanelo_mainwindows.h"
#include "windowsurvey.h"
#include "zoomgeometry_dialog.h"

#include <QAbstractScrollArea>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <numeric>

namespace
{

const QSize Laptop(1366, 768);

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(Tervanelo_MainWindows&)> make;
};

template <class D, class... A> std::unique_ptr<QDialog> make(A&&... args)
{
    return std::make_unique<D>(std::forward<A>(args)...);
}

std::vector<int> allShots(const TomoDocument& doc)
{
    std::vector<int> shots(doc.ttArray.size());
    std::iota(shots.begin(), shots.end(), 0);
    return shots;
}

// Every dialog of the program, filled as its command fills it, on the
// five-shot survey. Qt's own dialogs are here as the program opens them.
const std::vector<DialogCase>& programDialogs()
{
    static const std::vector<DialogCase> cases = {
        {"SettingDialog",
         [](Tervanelo_MainWindows& w) { return make<SettingDialog>(w.languageCodes, 0); }},
        {"DialogAbout", [](Tervanelo_MainWindows&) { return make<DialogAbout>(); }},
        {"licenseDialog",
         [](Tervanelo_MainWindows&) {
             return make<licenseDialog>(QStringLiteral("qrc:/licenses/tervoLicense"));
         }},
        {"Confirm_File_Replace",
         [](Tervanelo_MainWindows& w) {
             return make<Confirm_File_Replace>(QStringLiteral("/home/user/survey.tervo"), &w);
         }},
        {"setProjectTitle", [](Tervanelo_MainWindows&) { return make<setProjectTitle>(); }},
        {"set_screenshot_scale_dialog",
         [](Tervanelo_MainWindows&) { return make<set_screenshot_scale_dialog>(); }},
        {"ExportTomoVelData", [](Tervanelo_MainWindows&) { return make<ExportTomoVelData>(); }},
        {"SaveProjectLogDialog",
         [](Tervanelo_MainWindows&) {
             static ProjectWriter writer;
             return make<SaveProjectLogDialog>(&writer);
         }},
        {"gridDialog",
         [](Tervanelo_MainWindows&) {
             auto d = std::make_unique<gridDialog>();
             d->init(48.0, 1.0, 6);
             return std::unique_ptr<QDialog>(std::move(d));
         }},
        {"runTomography_Dialog",
         [](Tervanelo_MainWindows&) {
             auto d = std::make_unique<runTomography_Dialog>();
             d->setVelocityLimits(300, 2500);
             return std::unique_ptr<QDialog>(std::move(d));
         }},
        {"ProgressTomography_Dialog",
         [](Tervanelo_MainWindows&) { return make<ProgressTomography_Dialog>(); }},
        {"select_speed_Dialog",
         [](Tervanelo_MainWindows& w) {
             auto d = std::make_unique<select_speed_Dialog>();
             d->fillFromDocument(&w.document);
             return std::unique_ptr<QDialog>(std::move(d));
         }},
        {"DialogSetGeometry",
         [](Tervanelo_MainWindows& w) {
             const TomoDocument& doc = w.document;
             auto d = std::make_unique<DialogSetGeometry>(doc.goephonesStringSet, doc.ttArray,
                                                          doc.traceSets, doc.xShift);
             d->fillGeometryLists();
             return std::unique_ptr<QDialog>(std::move(d));
         }},
        {"shotEditDialog",
         [](Tervanelo_MainWindows& w) {
             const TomoDocument& doc = w.document;
             auto d = std::make_unique<shotEditDialog>(doc.goephonesStringSet, doc.ttArray,
                                                       doc.traceSets);
             d->setSelection(allShots(doc));
             d->buildRows();
             return std::unique_ptr<QDialog>(std::move(d));
         }},
        {"editGeomEdit",
         [](Tervanelo_MainWindows& w) {
             auto d = std::make_unique<editGeomEdit>();
             d->buildRows(w.document.goephonesStringSet.at(0));
             d->setChannelCountLocked(true);
             return std::unique_ptr<QDialog>(std::move(d));
         }},
        {"SelectCSVDelimiterDialog",
         [](Tervanelo_MainWindows&) { return make<SelectCSVDelimiterDialog>(); }},
        {"zoomGeometry_Dialog", [](Tervanelo_MainWindows&) { return make<zoomGeometry_Dialog>(); }},
        {"doFilteringDialog",
         [](Tervanelo_MainWindows& w) { return make<doFilteringDialog>(&w.document, 0, &w); }},
        {"contourlines_dialog",
         [](Tervanelo_MainWindows& w) {
             return make<contourlines_dialog>(w.document.grid.get(), true, 10, true,
                                              std::set<double>{500.0, 1000.0, 1500.0}, false, true,
                                              false, false, QColor(Qt::black), 10, &w);
         }},
        {"PaletteDialog",
         [](Tervanelo_MainWindows& w) { return make<PaletteDialog>(w.paletteList, &w); }},
        {"AddHandleDialog", [](Tervanelo_MainWindows&) { return make<AddHandleDialog>(); }},
        {"RefractionProcessingDialog",
         [](Tervanelo_MainWindows& w) {
             static refractionDataStructure data;
             data.document = &w.document;
             data.initFromDocument();
             auto d = std::make_unique<RefractionProcessingDialog>();
             d->setDocument(&w.document);
             d->setRefractionData(&data);
             return std::unique_ptr<QDialog>(std::move(d));
         }},
        {"selectExport",
         [](Tervanelo_MainWindows&) { return make<selectExport>(QColor(Qt::white)); }},
        {"setGeographyDialog", [](Tervanelo_MainWindows&) { return make<setGeographyDialog>(); }},
        {"QFileDialog",
         [](Tervanelo_MainWindows& w) {
             return make<QFileDialog>(&w, QStringLiteral("Open"), QDir::homePath(),
                                      QStringLiteral("SEG2 (*.sg2 *.dat);;All Files (*)"));
         }},
        {"QColorDialog", [](Tervanelo_MainWindows& w) { return make<QColorDialog>(&w); }},
        {"QInputDialog", [](Tervanelo_MainWindows& w) { return make<QInputDialog>(&w); }},
    };
    return cases;
}

bool insideScrolledContents(QWidget* widget, QWidget* dialog)
{
    for (QWidget* p = widget->parentWidget(); p && p != dialog; p = p->parentWidget())
        if (qobject_cast<QAbstractScrollArea*>(p))
            return true;
    return false;
}

// Shows the dialog as the program would and checks it against the screen.
// Push buttons outside scrolled contents (OK, Cancel, Close and the form's
// own buttons) must be whole on screen and unclipped, and no button box may
// have moved into scrolled contents.
void expectOnScreen(QDialog* dialog, const std::string& name)
{
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog)) << name;
    QCoreApplication::processEvents();
    const QRect available = dialog->screen()->availableGeometry();
    const QRect frame = dialog->frameGeometry();
    EXPECT_TRUE(available.contains(frame)) << name << ": frame " << frame.x() << "," << frame.y()
                                           << " " << frame.width() << "x" << frame.height();
    for (QDialogButtonBox* box : dialog->findChildren<QDialogButtonBox*>())
        EXPECT_FALSE(insideScrolledContents(box, dialog)) << name << ": OK and Cancel scroll away";
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(dialog) || insideScrolledContents(button, dialog))
            continue;
        const QRect global(button->mapToGlobal(QPoint(0, 0)), button->size());
        EXPECT_TRUE(available.contains(global))
            << name << ": button " << button->text().toStdString() << " off screen";
        EXPECT_EQ(button->visibleRegion().boundingRect(), button->rect())
            << name << ": button " << button->text().toStdString() << " clipped";
    }
}

class DialogFit : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        home = new windowtest::FreshHome;
        window = surveytest::startWindow(*home).release();
        surveytest::loadSurvey(*window, surveytest::twoLayerShots());
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            ADD_FAILURE() << "the main window never showed";
    }
    static void TearDownTestSuite()
    {
        delete window;
        delete home;
    }
    static windowtest::FreshHome* home;
    static Tervanelo_MainWindows* window;
};
windowtest::FreshHome* DialogFit::home = nullptr;
Tervanelo_MainWindows* DialogFit::window = nullptr;

TEST_F(DialogFit, TheScreenIsALaptopScreen)
{
    // The rest proves nothing on a larger screen.
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry().size(), Laptop);
}

TEST_F(DialogFit, EveryProgramDialogOpensInsideTheScreenWithItsButtons)
{
    for (const DialogCase& c : programDialogs()) {
        std::unique_ptr<QDialog> dialog = c.make(*window);
        const QSize form = dialog->size();
        expectOnScreen(dialog.get(), c.name);
        // A form that had to shrink can still be resized by the user.
        if (form.width() > Laptop.width() || form.height() > Laptop.height()) {
            EXPECT_NE(dialog->minimumSize(), dialog->maximumSize()) << c.name;
        }
        dialog->hide();
    }
}

TEST_F(DialogFit, OnALargeScreenNoDialogChanges)
{
    const QRect large(0, 0, 1920, 1080);
    const QMargins frame(4, 30, 4, 4);
    for (const DialogCase& c : programDialogs()) {
        std::unique_ptr<QDialog> dialog = c.make(*window);
        const QSize form = dialog->size();
        const QSize minimum = dialog->minimumSize();
        EXPECT_FALSE(fitDialogToArea(dialog.get(), large, frame)) << c.name;
        EXPECT_EQ(dialog->size(), form) << c.name;
        EXPECT_EQ(dialog->minimumSize(), minimum) << c.name;
        EXPECT_EQ(dialog->findChild<QScrollArea*>(QStringLiteral("screenFitScrollArea")), nullptr)
            << c.name;
    }
}

// Forms whose contents cannot shrink to the screen: laid out, with a button
// box; laid out with loose buttons; placed by hand without a layout.
TEST_F(DialogFit, ContentsThatCannotShrinkScrollAndTheButtonBoxStaysOnScreen)
{
    struct Case {
        const char* name;
        bool layout;
        bool buttonBox;
    };
    const Case cases[] = {
        {"layout with button box", true, true},
        {"layout with loose buttons", true, false},
        {"placed by hand", false, false},
    };
    for (const Case& c : cases) {
        QDialog dialog(window);
        auto* contents = new QLabel(QStringLiteral("wide and tall"));
        contents->setMinimumSize(1700, 1000);
        QPushButton* ok = nullptr;
        if (c.layout) {
            auto* layout = new QVBoxLayout(&dialog);
            layout->addWidget(contents);
            if (c.buttonBox) {
                auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
                layout->addWidget(box);
                ok = box->button(QDialogButtonBox::Ok);
            } else {
                ok = new QPushButton(QStringLiteral("Close"));
                layout->addWidget(ok);
            }
        } else {
            contents->setParent(&dialog);
            contents->setGeometry(10, 10, 1700, 1000);
            ok = new QPushButton(QStringLiteral("Close"), &dialog);
            ok->setGeometry(1600, 1020, 100, 30);
            dialog.resize(1720, 1060);
        }
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog)) << c.name;
        const QRect available = dialog.screen()->availableGeometry();
        EXPECT_TRUE(available.contains(dialog.frameGeometry())) << c.name;
        auto* scroll = dialog.findChild<QScrollArea*>(QStringLiteral("screenFitScrollArea"));
        ASSERT_NE(scroll, nullptr) << c.name;
        EXPECT_TRUE(scroll->isAncestorOf(contents)) << c.name;
        EXPECT_TRUE(contents->isVisible()) << c.name;
        EXPECT_EQ(scroll->isAncestorOf(ok), !c.buttonBox) << c.name;
        if (c.buttonBox) {
            EXPECT_EQ(ok->visibleRegion().boundingRect(), ok->rect()) << c.name;
        }
        EXPECT_NE(dialog.minimumSize(), dialog.maximumSize()) << c.name;
        // Shown a second time, the dialog keeps what the user made of it.
        // The X server's size reports arrive with the events; the expose
        // comes after them, so wait for it rather than one pass of events,
        // which may end between an old report and the new one.
        dialog.hide();
        dialog.resize(600, 400);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog)) << c.name;
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.size() == QSize(600, 400); }, 2000))
            << c.name << ": " << dialog.width() << "x" << dialog.height();
    }
}

} // namespace
