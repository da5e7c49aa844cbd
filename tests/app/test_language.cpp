// Switching the interface language at run time. Installed translators are
// process-wide, so these tests run in their own program and each removes its
// window's translator when it ends.

#include "windowfixture.h"

#include "languages.h"
#include "tervanelo_mainwindows.h"
#include "testenv.h"
#include "ui_tervanelo_mainwindows.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using namespace windowtest;

namespace
{

// Every translatable text of the menus: titles, action texts and shortcuts.
std::map<QString, QString> menuTexts(QWidget* window)
{
    std::map<QString, QString> texts;
    for (QMenu* menu : window->findChildren<QMenu*>())
        texts[menu->objectName()] = menu->title();
    for (QAction* action : window->findChildren<QAction*>())
        if (!action->objectName().isEmpty()) {
            texts[action->objectName()] = action->text();
            texts[action->objectName() + "/shortcut"] = action->shortcut().toString();
        }
    return texts;
}

void chooseLanguage(Tervanelo_MainWindows& w, int index)
{
    ModalWatcher answer([index](QWidget* modal) {
        modal->findChild<QComboBox*>("lang_combobox")->setCurrentIndex(index);
        modal->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    w.ui->actionSettings->trigger();
    ASSERT_EQ(answer.count(), 1);
}

int indexOfText(Tervanelo_MainWindows& w, const QString& text)
{
    // The combo box lists the languages by their own names.
    for (size_t i = 0; i < w.languageCodes.size(); ++i)
        if (languageDisplayName(w.languageCodes[i].first) == text)
            return int(i);
    return -1;
}

// The menus as the Italian translation gives them, read with a translator of
// our own.
void expectItalianMenus(Tervanelo_MainWindows& w, const std::map<QString, QString>& english)
{
    QTranslator italian;
    ASSERT_TRUE(italian.load(":/languages/lang_it.qm"));
    EXPECT_EQ(w.ui->menuFile->title(), italian.translate("Tervanelo_MainWindows", "File"));
    EXPECT_EQ(w.ui->menuProject->title(), "Progetto");
    const std::map<QString, QString> now = menuTexts(&w);
    int changed = 0;
    for (const auto& [name, text] : english) {
        if (name.endsWith("/shortcut")) {
            EXPECT_EQ(now.at(name), text) << name.toStdString() << ": shortcuts keep their keys";
            continue;
        }
        const QString expected = italian.translate("Tervanelo_MainWindows", text.toUtf8());
        EXPECT_EQ(now.at(name), expected.isEmpty() ? text : expected) << name.toStdString();
        changed += now.at(name) != text;
    }
    EXPECT_GT(changed, 40) << "most menu texts differ in Italian";
}

class LanguageSwitch : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (auto& w : windows)
            forgetLanguage(*w);
    }
    Tervanelo_MainWindows& start(bool expectDialog = false)
    {
        Started started = startWindow(FirstRunAnswer::Close);
        EXPECT_EQ(!started.dialogClasses.empty(), expectDialog);
        windows.push_back(std::move(started.window));
        return *windows.back();
    }
    std::vector<std::unique_ptr<Tervanelo_MainWindows>> windows;
};

TEST_F(LanguageSwitch, ItalianRetranslatesTheMenusAndIsRemembered)
{
    FreshHome home;
    writeCurrentSettings(home, "en");
    Tervanelo_MainWindows& w = start();
    const std::map<QString, QString> english = menuTexts(&w);
    ASSERT_EQ(w.ui->menuFile->title(), "File");
    // English has a translation file too, so a translator is in place from the start.
    ASSERT_NE(w.translator, nullptr);
    EXPECT_FALSE(w.translator->isEmpty());
    EXPECT_EQ(w.languageCodes.size(), 2u);

    const int italian = indexOfText(w, QStringLiteral("Italiano"));
    ASSERT_GE(italian, 0);
    chooseLanguage(w, italian);
    expectItalianMenus(w, english);
    EXPECT_EQ(w.windowTitle(), "Tervanelo 2022.0");
    EXPECT_EQ(QLocale().name(), "it_IT");
    EXPECT_EQ(w.settings.language, "it");
    EXPECT_EQ(countOccurrences(home.logFile(), "] Loading language lang_it.qm"), 1);

    const std::string file = testenv::readText(home.settingsFile());
    EXPECT_NE(file.find("<language>it</language>"), std::string::npos) << file;

    // A restart shows Italian at once, with no question.
    forgetLanguage(w);
    Tervanelo_MainWindows& again = start();
    expectItalianMenus(again, english);
}

TEST_F(LanguageSwitch, LanguageWithoutTranslationThenItalian)
{
    FreshHome home;
    writeSettings(home, "\t<language>de</language>\n");
    Tervanelo_MainWindows& w = start();
    const std::map<QString, QString> english = menuTexts(&w);
    EXPECT_EQ(w.translator, nullptr);
    EXPECT_EQ(w.currentLanguage, -1);
    chooseLanguage(w, indexOfText(w, QStringLiteral("Italiano")));
    EXPECT_NE(w.translator, nullptr);
    expectItalianMenus(w, english);
    EXPECT_EQ(w.settings.language, "it");
}

TEST_F(LanguageSwitch, TranslationThatDoesNotLoadChangesNothing)
{
    FreshHome home;
    writeCurrentSettings(home, "it");
    Tervanelo_MainWindows& w = start();
    const std::map<QString, QString> italianTexts = menuTexts(&w);
    ASSERT_EQ(w.ui->menuProject->title(), "Progetto");
    const QString locale = QLocale().name();

    const std::string folder = testenv::freshDir("languages");
    testenv::writeText(folder + "/lang_xx.qm", "not a translation");
    w.languageCodes.emplace_back("xx", "lang_xx.qm");
    w.languageFolder = QString::fromStdString(folder + "/");
    const int before = w.currentLanguage;
    chooseLanguage(w, int(w.languageCodes.size()) - 1);

    EXPECT_EQ(menuTexts(&w), italianTexts);
    EXPECT_EQ(QLocale().name(), locale);
    EXPECT_EQ(w.currentLanguage, before);
    EXPECT_EQ(w.settings.language, "it");
    // Texts translated from now on still come from the old translation.
    EXPECT_EQ(QCoreApplication::translate("Tervanelo_MainWindows", "Error occured"),
              QString::fromUtf8("Si è verificato un errore"));
    EXPECT_EQ(countOccurrences(home.logFile(), "] ERROR : Loading language lang_xx.qm"), 1);
}

// Qt's own texts follow the interface language: the close question's Discard
// button, at start in Italian, after a switch to English and back again.
TEST_F(LanguageSwitch, QtOwnButtonsFollowTheLanguage)
{
    QTranslator catalogue;
    ASSERT_TRUE(catalogue.load(QStringLiteral("qtbase_it"),
                               QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        << "Qt's Italian catalogue is missing (qttranslations5-l10n)";
    const QString italianDiscard = catalogue.translate("QPlatformTheme", "Discard");
    ASSERT_FALSE(italianDiscard.isEmpty());
    ASSERT_NE(italianDiscard, "Discard");

    FreshHome home;
    writeCurrentSettings(home, "it");
    Tervanelo_MainWindows& w = start();
    w.show();
    const struct {
        const char* language; // the code to switch to; null: as started
        QString discard;
    } steps[] = {
        {nullptr, italianDiscard},
        {"en", QStringLiteral("Discard")},
        {"it", italianDiscard},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.language ? step.language : "at start");
        if (step.language)
            chooseLanguage(w, indexOfText(w, languageDisplayName(step.language)));
        w.document.modified = true;
        QString discard;
        ModalWatcher answer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            discard = box->button(QMessageBox::Discard)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        EXPECT_FALSE(w.close());
        ASSERT_EQ(answer.count(), 1);
        EXPECT_EQ(discard.remove('&'), step.discard);
    }
    w.document.modified = false;
}

// The settings the user just chose that cannot be written are not lost
// without a word: the Settings command says so, with the reason.
TEST_F(LanguageSwitch, SettingsThatCannotBeWrittenSaySo)
{
    FreshHome home;
    writeCurrentSettings(home, "en");
    Tervanelo_MainWindows& w = start();
    // A folder in the settings file's place cannot be replaced by a file.
    std::filesystem::remove(w.settings.settingsPath);
    std::filesystem::create_directory(w.settings.settingsPath);
    QString warning;
    ModalWatcher answer([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            warning = box->text();
            box->button(QMessageBox::Ok)->click();
            return;
        }
        modal->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    w.ui->actionSettings->trigger();
    EXPECT_EQ(answer.count(), 2);
    EXPECT_TRUE(warning.startsWith("The settings could not be saved:\n")) << warning.toStdString();
    EXPECT_TRUE(warning.contains("not a regular file")) << warning.toStdString();
    EXPECT_TRUE(std::filesystem::is_directory(w.settings.settingsPath));
}

} // namespace
