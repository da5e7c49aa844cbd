// The small dialogs of the shell, driven through their widgets.

#include "confirm_file_replace.h"
#include "dialogabout.h"
#include "dialogchildren.h"
#include "exporttomoveldata.h"
#include "initresources.h"
#include "licensedialog.h"
#include "modalwatcher.h"
#include "qtprint.h"
#include "selectexport.h"
#include "set_screenshot_scale_dialog.h"
#include "setgeographydialog.h"
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
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolBox>

#include <gtest/gtest.h>

#include <map>
#include <memory>

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

// ---- Typed numbers: gridded export shift, geographic reference, export options ----

enum class Form { Shift, Geography, ExportOptions };

struct TypedCase {
    const char* name;
    Form form;
    const char* field; // the edit typed into; the form's other edits hold valid values
    const char* typed;
    bool italian; // the interface language must not change how numbers read
    bool accepted;
    double value; // of the field, when accepted
};

class ExportShift : public ::testing::TestWithParam<TypedCase>
{
};

// The dialog's value for an edit.
double valueOf(QDialog* dialog, Form form, const std::string& field)
{
    if (form == Form::Shift) {
        auto* d = static_cast<ExportTomoVelData*>(dialog);
        return field == "y_coord_edit" ? d->yCoord : d->zOffset;
    }
    if (form == Form::ExportOptions)
        return static_cast<selectExport*>(dialog)->fontScaleFactor;
    auto* d = static_cast<setGeographyDialog*>(dialog);
    const std::map<std::string, double> values{{"estFstGeoph", d->estFstGeoph},
                                               {"estLstGeoph", d->estLstGeoph},
                                               {"northFstGeoph", d->northFstGeoph},
                                               {"northLstGeoph", d->northLstGeoph},
                                               {"epsgEdit", double(d->epsg)}};
    return values.at(field);
}

// The name a refusal gives each edit: its label on the form.
const std::map<std::string, QString>& fieldLabels()
{
    static const std::map<std::string, QString> labels{
        {"y_coord_edit", "Y coord of the line"},
        {"z_offset_edit", "Z offset of the line"},
        {"estFstGeoph", "Easting of first geophone"},
        {"estLstGeoph", "Easting of last geophone"},
        {"northFstGeoph", "Northing of first geophone"},
        {"northLstGeoph", "Northing of last geophone"},
        {"epsgEdit", "EPSG Code"}};
    return labels;
}

TEST_P(ExportShift, TypedTextToValues)
{
    const TypedCase& c = GetParam();
    const QLocale previous;
    if (c.italian)
        QLocale::setDefault(QLocale(QLocale::Italian));
    std::unique_ptr<QDialog> dialog;
    if (c.form == Form::Shift)
        dialog = std::make_unique<ExportTomoVelData>();
    else if (c.form == Form::Geography) {
        auto* geography = new setGeographyDialog;
        dialog.reset(geography);
        geography->set(1.0, 2.0, 3.0, 4.0, 32633);
    } else
        dialog = std::make_unique<selectExport>(Qt::white);
    dialog->show();
    auto* edit = c.form == Form::ExportOptions
                     ? child<QDoubleSpinBox>(dialog.get(), c.field)->findChild<QLineEdit*>()
                     : child<QLineEdit>(dialog.get(), c.field);
    ASSERT_NE(edit, nullptr);
    const double before = valueOf(dialog.get(), c.form, c.field);
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, c.typed);

    QString message;
    ModalWatcher watcher([&](QWidget* box) {
        message = static_cast<QMessageBox*>(box)->text();
        static_cast<QMessageBox*>(box)->accept();
    });
    press(dialog.get(), QDialogButtonBox::Ok);
    QLocale::setDefault(previous);
    if (c.accepted) {
        EXPECT_EQ(watcher.count(), 0) << message.toStdString();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_DOUBLE_EQ(valueOf(dialog.get(), c.form, c.field), c.value);
    } else {
        // Refused by name, the dialog still open, nothing stored.
        ASSERT_EQ(watcher.count(), 1);
        EXPECT_TRUE(message.contains(fieldLabels().at(c.field))) << message.toStdString();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_NE(dialog->result(), QDialog::Accepted);
        EXPECT_DOUBLE_EQ(valueOf(dialog.get(), c.form, c.field), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExportShift,
    ::testing::Values(
        TypedCase{"empty", Form::Shift, "y_coord_edit", "", false, true, 0.0},
        TypedCase{"not_a_number", Form::Shift, "y_coord_edit", "abc", false, false, 0.0},
        TypedCase{"number_and_unit", Form::Shift, "z_offset_edit", "12.5m", false, false, 0.0},
        TypedCase{"exponent", Form::Shift, "y_coord_edit", "-3.25e1", false, true, -32.5},
        TypedCase{"point_in_italian", Form::Shift, "z_offset_edit", "12.5", true, true, 12.5},
        TypedCase{"comma_in_italian", Form::Shift, "y_coord_edit", "12,5", true, true, 12.5},
        TypedCase{"comma", Form::Shift, "z_offset_edit", " 7,25 ", false, true, 7.25},
        TypedCase{"geo_empty", Form::Geography, "northFstGeoph", "", false, false, 0.0},
        TypedCase{"geo_not_a_number", Form::Geography, "estFstGeoph", "abc", false, false, 0.0},
        TypedCase{"geo_comma_in_italian", Form::Geography, "estFstGeoph", "566245,876", true, true,
                  566245.876},
        TypedCase{"geo_point", Form::Geography, "northLstGeoph", "7632624.454", false, true,
                  7632624.454},
        TypedCase{"geo_code", Form::Geography, "epsgEdit", "32733", false, true, 32733},
        TypedCase{"geo_code_empty", Form::Geography, "epsgEdit", "", false, false, 0.0},
        TypedCase{"geo_code_letters", Form::Geography, "epsgEdit", "abc", false, false, 0.0},
        TypedCase{"geo_code_fraction", Form::Geography, "epsgEdit", "326,33", false, false, 0.0},
        TypedCase{"geo_code_negative", Form::Geography, "epsgEdit", "-4326", false, false, 0.0},
        // The font scale is never 0: the box keeps its value, 0.1 is the least.
        TypedCase{"font_scale_zero", Form::ExportOptions, "fontScaleSpinBox", "0", false, true,
                  1.0},
        TypedCase{"font_scale_smallest", Form::ExportOptions, "fontScaleSpinBox", "0.1", false,
                  true, 0.1}),
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
