// The export options dialog and the geographic reference dialog, offscreen,
// driven through their controls as a user drives them.

#include "capturedstdout.h"
#include "dialogchildren.h"
#include "modalwatcher.h"
#include "selectexport.h"
#include "setgeographydialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <functional>

namespace
{

struct OptionCase {
    const char* what;
    std::function<void(selectExport&)> setters;
    const char* box;
    int clicks;
    bool ExportImageOptions::*option;
    bool expected;
};

TEST(SelectExport, OfferedBoxesFollowTheirClicks)
{
    const OptionCase cases[] = {
        {"offered, unchecked", [](selectExport& d) { d.setExportProf(true); }, "checkProf", 1,
         &ExportImageOptions::exportProf, false},
        {"never offered", [](selectExport&) {}, "checkTT", 1, &ExportImageOptions::exportTT, false},
        {"laplacian, unchecked and checked",
         [](selectExport& d) { d.setExportProfLaplacian(true); }, "checkProfLaplacian", 2,
         &ExportImageOptions::exportProfLaplacian, true},
        {"filled isolines, unchecked and checked",
         [](selectExport& d) { d.setExportProfIsolinesFilled(true); }, "checkProfIsolinesFilled", 2,
         &ExportImageOptions::exportProfIsolinesFilled, true},
        {"rays offered, untouched", [](selectExport& d) { d.setExportProfVelocityRays(true); },
         "checkProfRays", 0, &ExportImageOptions::exportProfVelocityRays, true},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.what);
        selectExport dialog(Qt::white);
        dialog.show();
        c.setters(dialog);
        auto* box = child<QCheckBox>(&dialog, c.box);
        for (int i = 0; i < c.clicks; ++i)
            box->click();
        press(&dialog, QDialogButtonBox::Ok);
        EXPECT_EQ(dialog.*c.option, c.expected);
        // Only an offered box is enabled; a click never enables one.
        EXPECT_EQ(box->isEnabled(), std::string(c.box) != "checkTT");
        EXPECT_TRUE(!c.expected || box->isChecked());
    }
}

TEST(SelectExport, SettersSayTheirValuesAndCancelKeepsThem)
{
    testing::internal::CaptureStdout();
    selectExport dialog(Qt::white);
    dialog.setExportProf(true);
    dialog.setExportTT(false);
    const std::string out = capturedStdout();
    EXPECT_NE(out.find("selectExport::setExportProf : 1"), std::string::npos);
    EXPECT_NE(out.find("selectExport::setExportTT : 0"), std::string::npos);
    dialog.show();
    press(&dialog, QDialogButtonBox::Cancel);
    EXPECT_TRUE(dialog.exportProf);
    EXPECT_FALSE(dialog.exportTT);
}

TEST(SelectExport, LabelsFontScaleAndDocumentMode)
{
    selectExport dialog(Qt::white);
    EXPECT_EQ(dialog.windowTitle(), "Export Images");
    dialog.setNumberOfLabels(2);
    dialog.setFontScaleFactor(1.5);
    dialog.setDocumentExport();
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Set images to be included in the document");
    EXPECT_FALSE(child<QTextEdit>(&dialog, "basename")->isVisible());
    EXPECT_EQ(dialog.fileBasename(), "Figure");
    press(&dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.numberOfLabels, 2);
    EXPECT_DOUBLE_EQ(dialog.fontScaleFactor, 1.5);
    EXPECT_TRUE(dialog.exportHorizontalColorBar);
    EXPECT_TRUE(dialog.usesNewEngine);
}

TEST(SelectExport, BackgroundColourFromTheColourDialog)
{
    selectExport dialog(Qt::white);
    dialog.show();
    ModalWatcher watcher([](QWidget* modal) {
        auto* colours = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(colours, nullptr);
        EXPECT_EQ(colours->windowTitle(), "Select background color");
        EXPECT_TRUE(colours->testOption(QColorDialog::ShowAlphaChannel));
        colours->setCurrentColor(QColor(10, 20, 30, 40));
        colours->accept();
    });
    QTest::mouseClick(child<QWidget>(&dialog, "botton_background"), Qt::LeftButton);
    EXPECT_EQ(watcher.count(), 1);
    EXPECT_EQ(dialog.backgroundColor, QColor(10, 20, 30, 40));
}

TEST(SetGeographyDialog, ShowsAndReadsTheReference)
{
    setGeographyDialog dialog;
    for (const char* edit :
         {"estFstGeoph", "estLstGeoph", "northFstGeoph", "northLstGeoph", "epsgEdit"})
        EXPECT_TRUE(child<QLineEdit>(&dialog, edit)->text().isEmpty()) << edit;
    dialog.set(1.5, 2, 3, 4, 32633);
    const struct {
        const char* edit;
        const char* shown;
        const char* typed;
    } fields[] = {{"estFstGeoph", "1.5000", "11"},
                  {"estLstGeoph", "2.0000", "22"},
                  {"northFstGeoph", "3.0000", "33"},
                  {"northLstGeoph", "4.0000", "44"},
                  {"epsgEdit", "32633", "6708"}};
    for (const auto& f : fields) {
        auto* edit = child<QLineEdit>(&dialog, f.edit);
        EXPECT_EQ(edit->text(), f.shown);
        edit->setText(f.typed);
    }
    dialog.show();
    press(&dialog, QDialogButtonBox::Ok);
    EXPECT_DOUBLE_EQ(dialog.estFstGeoph, 11);
    EXPECT_DOUBLE_EQ(dialog.estLstGeoph, 22);
    EXPECT_DOUBLE_EQ(dialog.northFstGeoph, 33);
    EXPECT_DOUBLE_EQ(dialog.northLstGeoph, 44);
    EXPECT_EQ(dialog.epsg, 6708u);

    // Letters read as 0.
    child<QLineEdit>(&dialog, "epsgEdit")->setText("abc");
    child<QLineEdit>(&dialog, "estFstGeoph")->setText("x");
    dialog.show();
    press(&dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.epsg, 0u);
    EXPECT_DOUBLE_EQ(dialog.estFstGeoph, 0.0);

    // A decimal comma is a point; a code beyond 32 bits is no code, not a
    // wrapped one.
    child<QLineEdit>(&dialog, "estFstGeoph")->setText("1,5");
    child<QLineEdit>(&dialog, "epsgEdit")->setText("4294967296");
    dialog.show();
    press(&dialog, QDialogButtonBox::Ok);
    EXPECT_DOUBLE_EQ(dialog.estFstGeoph, 1.5);
    EXPECT_EQ(dialog.epsg, 0u);
}

} // namespace
