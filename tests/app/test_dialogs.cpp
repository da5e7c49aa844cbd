// The small dialogs of the shell, driven through their widgets.

#include "confirm_file_replace.h"
#include "dialogabout.h"
#include "dialogchildren.h"
#include "exporttomoveldata.h"
#include "initresources.h"
#include "licensedialog.h"
#include "modalwatcher.h"
#include "qtprint.h"
#include "set_screenshot_scale_dialog.h"
#include "setprojecttitle.h"
#include "settingdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolBox>

#include <gtest/gtest.h>

namespace
{

// ---- Resources ----

TEST(Resources, EveryImageTheProgramNamesLoads)
{
    tervanelo::initResources();
    const char* const icons[] = {"new-file",
                                 "open-folder-with-document",
                                 "save-file-option",
                                 "save",
                                 "screenshot",
                                 "png",
                                 "pdf",
                                 "odt-document-outlined-interface-symbol",
                                 "settings",
                                 "grid",
                                 "title",
                                 "next",
                                 "back",
                                 "autopickingICO",
                                 "DaZo_Icon",
                                 "speed",
                                 "isolines",
                                 "pantone",
                                 "zoomInOriz",
                                 "zoomOutOriz",
                                 "zoomInVert",
                                 "zoomOutVert"};
    for (const char* icon : icons) {
        const QImage image(QString(":/icons/%1.png").arg(icon));
        EXPECT_EQ(image.size(), QSize(64, 64)) << icon;
    }
    EXPECT_EQ(QImage("://icons/iconaTervanelo128.png").size(), QSize(128, 128));
    EXPECT_FALSE(QImage(":/splash20220").isNull());
}

// ---- Project title ----

TEST(SetProjectTitle, Utf8SurvivesBothWays)
{
    const std::string text = QString::fromUtf8("Sezione – Località Ü").toStdString();
    setProjectTitle dialog;
    dialog.setText(text);
    EXPECT_EQ(child<QLineEdit>(&dialog, "titleEdit")->text(),
              QString::fromUtf8("Sezione – Località Ü"));
    press(&dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.title, text);
}

TEST(SetProjectTitle, RejectedKeepsTheTitle)
{
    setProjectTitle dialog;
    dialog.setText("Line 1");
    child<QLineEdit>(&dialog, "titleEdit")->setText("changed");
    press(&dialog, QDialogButtonBox::Cancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.title, "Line 1");
}

// ---- Gridded export shift ----

struct ShiftCase {
    const char* name;
    const char* y;
    const char* z;
    double yCoord;
    double zOffset;
    bool italian; // the interface language must not change how numbers read
};

class ExportShift : public ::testing::TestWithParam<ShiftCase>
{
};

TEST_P(ExportShift, TypedTextToValues)
{
    const ShiftCase& c = GetParam();
    const QLocale previous;
    if (c.italian)
        QLocale::setDefault(QLocale(QLocale::Italian));
    ExportTomoVelData dialog;
    QTest::keyClicks(child<QLineEdit>(&dialog, "y_coord_edit"), c.y);
    QTest::keyClicks(child<QLineEdit>(&dialog, "z_offset_edit"), c.z);
    press(&dialog, QDialogButtonBox::Ok);
    QLocale::setDefault(previous);
    EXPECT_EQ(dialog.yCoord, c.yCoord);
    EXPECT_EQ(dialog.zOffset, c.zOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExportShift,
    ::testing::Values(ShiftCase{"empty", "", "", 0.0, 0.0, false},
                      ShiftCase{"not_a_number", "abc", "12.5", 0.0, 12.5, false},
                      ShiftCase{"exponent", "-3.25e1", "1", -32.5, 1.0, false},
                      ShiftCase{"point_in_italian", "12.5", "7", 12.5, 7.0, true},
                      ShiftCase{"comma_in_italian", "12,5", "", 0.0, 0.0, true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ExportShiftDialog, AtMostTenCharactersAndRejectKeepsValues)
{
    ExportTomoVelData dialog;
    auto* y = child<QLineEdit>(&dialog, "y_coord_edit");
    QTest::keyClicks(y, "12345678901");
    EXPECT_EQ(y->text(), "1234567890");
    QTest::keyClicks(child<QLineEdit>(&dialog, "z_offset_edit"), "5");
    press(&dialog, QDialogButtonBox::Cancel);
    EXPECT_EQ(dialog.yCoord, 0.0);
    EXPECT_EQ(dialog.zOffset, 0.0);
}

// ---- Screenshot scale ----

TEST(ScreenshotScale, SpinBoxClampsAndSteps)
{
    set_screenshot_scale_dialog dialog;
    auto* spin = child<QDoubleSpinBox>(&dialog, "screenshot_scale_SpinBox");
    EXPECT_EQ(dialog.scale(), 1.0);
    EXPECT_EQ(spin->decimals(), 1);
    struct {
        double set;
        bool stepUp;
        double expected;
    } cases[] = {{10.5, false, 10.0}, {0.05, false, 0.1}, {1.0, true, 2.0}, {9.5, true, 10.0}};
    for (const auto& c : cases) {
        spin->setValue(c.set);
        if (c.stepUp)
            spin->stepUp();
        EXPECT_DOUBLE_EQ(dialog.scale(), c.expected) << "set " << c.set << " step " << c.stepUp;
    }
}

// ---- File replace question ----

TEST(ConfirmFileReplace, TextButtonsAndEscape)
{
    Confirm_File_Replace box("x.png");
    EXPECT_EQ(box.text(),
              "The following file already exists. Do you want to replace it?\n\nx.png\n");
    EXPECT_EQ(box.windowTitle(), "Confirm file replace");
    EXPECT_EQ(box.icon(), QMessageBox::Warning);
    EXPECT_EQ(box.standardButtons(),
              QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel);

    ModalWatcher escape([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(box.exec(), QMessageBox::Cancel);
    EXPECT_EQ(escape.count(), 1);

    ModalWatcher yesToAll([](QWidget* modal) {
        static_cast<QMessageBox*>(modal)->button(QMessageBox::YesToAll)->click();
    });
    EXPECT_EQ(box.exec(), QMessageBox::YesToAll);
}

// ---- Settings dialog ----

const LanguageList twoLanguages = {{"en", "lang_en.qm"}, {"it", "lang_it.qm"}};

TEST(SettingDialogForm, FullFormListsLanguagesByTheirOwnNames)
{
    SettingDialog dialog(twoLanguages, 1);
    EXPECT_EQ(dialog.windowTitle(), "User Settings");
    auto* toolBox = child<QToolBox>(&dialog, "toolBox");
    ASSERT_EQ(toolBox->count(), 3);
    EXPECT_EQ(toolBox->itemText(0), "Languages");
    EXPECT_EQ(toolBox->currentIndex(), 1);
    auto* combo = child<QComboBox>(&dialog, "lang_combobox");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "American English"); // Qt's own name for "en"
    EXPECT_EQ(combo->itemText(1), "Italiano");
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(dialog.selectedLanguage, 1);
    combo->setCurrentIndex(0);
    EXPECT_EQ(dialog.selectedLanguage, 0);
    auto* box = child<QDialogButtonBox>(&dialog, "buttonBox");
    EXPECT_EQ(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
}

TEST(SettingDialogForm, EachFlagHasItsOwnBox)
{
    struct Flag {
        const char* box;
        void (SettingDialog::*set)(bool);
        bool (SettingDialog::*get)() const;
    };
    const Flag flags[] = {
        {"zoomCB", &SettingDialog::setZoomIn, &SettingDialog::isZoomIn},
        {"cutCB", &SettingDialog::setCutHorizontal, &SettingDialog::isCutHorizontal},
        {"wiggleCB", &SettingDialog::setFillWiggle, &SettingDialog::isFillWiggle},
        {"showAllCB", &SettingDialog::setShowAllTraces, &SettingDialog::isShowAllTraces},
        {"filteredCB", &SettingDialog::setShowFiltered, &SettingDialog::isShowFiltered},
        {"use_two_colors", &SettingDialog::setTwoColors, &SettingDialog::isTwoColors},
    };
    for (const Flag& flag : flags) {
        for (bool on : {true, false}) {
            SettingDialog dialog(twoLanguages, 0);
            for (const Flag& other : flags)
                (dialog.*other.set)(!on);
            (dialog.*flag.set)(on);
            EXPECT_EQ(child<QCheckBox>(&dialog, flag.box)->isChecked(), on) << flag.box;
            for (const Flag& other : flags)
                EXPECT_EQ((dialog.*other.get)(), &other == &flag ? on : !on)
                    << "setting " << flag.box << " moved " << other.box;
        }
    }
}

TEST(SettingDialogForm, FirstRunFormAsksOnlyTheLanguage)
{
    SettingDialog dialog(twoLanguages, 0);
    const int width = dialog.width();
    dialog.languageOnlyMode();
    EXPECT_EQ(dialog.windowTitle(), "Tervanelo - User Settings");
    auto* toolBox = child<QToolBox>(&dialog, "toolBox");
    ASSERT_EQ(toolBox->count(), 2);
    EXPECT_EQ(toolBox->itemText(0), "Select your language:");
    EXPECT_EQ(toolBox->currentIndex(), 0);
    EXPECT_EQ(toolBox->widget(1)->objectName(), "TraceVisualization");
    EXPECT_EQ(dialog.findChild<QWidget*>("TravelTimeVisualization"), nullptr);
    EXPECT_EQ(dialog.height(), 150);
    EXPECT_EQ(dialog.width(), width);
    auto* box = child<QDialogButtonBox>(&dialog, "buttonBox");
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButton(box->buttons().front()), QDialogButtonBox::Ok);
}

TEST(SettingDialogForm, ClosingTheFirstRunFormRejectsIt)
{
    SettingDialog dialog(twoLanguages, 0);
    dialog.languageOnlyMode();
    ModalWatcher close([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

// ---- About and licences ----

TEST(AboutDialog, VersionImageAndBothLicences)
{
    DialogAbout about;
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(child<QLabel>(&about, "versionLabel")->text(), "Version: 2022.0");
    EXPECT_FALSE(child<QLabel>(&about, "label")->pixmap(Qt::ReturnByValue).isNull());

    struct {
        const char* button;
        const char* expectedText; // a phrase the licence must show
    } buttons[] = {{"pushButton", "Tervanelo"},
                   {"pushButton_2", "GNU LESSER GENERAL PUBLIC LICENSE"}};
    for (const auto& b : buttons) {
        QString shown;
        ModalWatcher read([&shown](QWidget* modal) {
            if (auto* browser = modal->findChild<QTextBrowser*>("textBrowser"))
                shown = browser->toPlainText();
            static_cast<QDialog*>(modal)->accept();
        });
        child<QPushButton>(&about, b.button)->click();
        EXPECT_EQ(read.count(), 1) << b.button;
        EXPECT_EQ(read.classNames.front(), "licenseDialog");
        EXPECT_TRUE(shown.contains(b.expectedText))
            << b.button << ": " << shown.left(200).toStdString();
    }
}

TEST(LicenseDialog, MissingTextLeavesThePlaceholder)
{
    licenseDialog dialog("qrc:/licenses/none");
    auto* browser = child<QTextBrowser>(&dialog, "textBrowser");
    EXPECT_TRUE(browser->toPlainText().isEmpty());
    EXPECT_EQ(browser->placeholderText(), "license");
}

} // namespace
