#include "settingscommands.h"

#include "appprompts.h"
#include "logger.h"
#include "settingdialog.h"
#include "settings.h"
#include "tomodocument.h"
#include "tracedisplay.h"
#include "windowhost.h"
#include "windowtexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMainWindow>
#include <QTranslator>

SettingsCommands::SettingsCommands(QMainWindow& window, std::function<void()> retranslate,
                                   AppSettings& settings, Languages languages,
                                   const TomoDocument& document, Logger*& logger,
                                   TraceDisplay& traces, const WindowHost& host)
    : window(window), retranslate(std::move(retranslate)), settings(settings), languages(languages),
      document(document), logger(logger), traces(traces), host(host)
{
}

void SettingsCommands::setupLanguages(bool settingsLoaded)
{
    QString wanted = QStringLiteral("en");
    if (settingsLoaded) {
        wanted = QString::fromStdString(settings.language);
        traces.applyStartupSettings();
    }
    for (const auto& language : scanLanguages(languages.folder)) {
        languages.codes.push_back(language);
        if (language.first != wanted)
            continue;
        languages.current = int(languages.codes.size()) - 1;
        languages.translator = new QTranslator(QCoreApplication::instance());
        languages.translator->load(language.second, languages.folder);
        QCoreApplication::installTranslator(languages.translator);
        useQtTexts(language.first);
        retranslate();
        host.updateWindowTitle(document.modified);
        settings.setLanguage(language.first.toStdString());
    }
}

bool SettingsCommands::switchLanguage(int index)
{
    const QString code = languages.codes.at(size_t(index)).first;
    const QString fileName = languages.codes.at(size_t(index)).second;
    logger->writeLog("Loading language " + fileName.toStdString(), 0);
    QTranslator* loaded = loadTranslator(languages.folder, fileName);
    if (!loaded) {
        logger->writeLog("Loading language " + fileName.toStdString(), 1);
        return false;
    }
    if (languages.translator) {
        QCoreApplication::removeTranslator(languages.translator);
        delete languages.translator;
    }
    languages.translator = loaded;
    loaded->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(loaded);
    useQtTexts(code);
    QLocale::setDefault(QLocale(code));
    languages.current = index;
    retranslate();
    // The form's title has no project marks.
    host.updateWindowTitle(document.modified);
    settings.setLanguage(code.toStdString());
    return true;
}

void SettingsCommands::useQtTexts(const QString& code)
{
    if (languages.qtTranslator) {
        QCoreApplication::removeTranslator(languages.qtTranslator);
        delete languages.qtTranslator;
        languages.qtTranslator = nullptr;
    }
    languages.qtTranslator = loadQtTranslator(code);
    if (!languages.qtTranslator)
        return;
    languages.qtTranslator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(languages.qtTranslator);
}

void SettingsCommands::switchIfChosen(int chosen)
{
    if (chosen != languages.current && chosen >= 0 && chosen < int(languages.codes.size()))
        switchLanguage(chosen);
}

bool SettingsCommands::store(std::string* reason)
{
    std::string why;
    if (settings.saveSettings(&why))
        return true;
    logger->writeLog("Cannot write the settings file " + settings.settingsPath + ": " + why, 1);
    if (reason)
        *reason = why;
    return false;
}

void SettingsCommands::storeChosen()
{
    std::string reason;
    if (!store(&reason))
        host.prompts->warning(&window, WindowTexts::tr("Warning"),
                              WindowTexts::tr("The settings could not be saved:") + "\n" +
                                  QString::fromStdString(reason));
}

void SettingsCommands::runFirstRunDialog()
{
    SettingDialog dialog(languages.codes, languages.current, &window);
    dialog.languageOnlyMode();
    if (dialog.exec() != QDialog::Accepted)
        return;
    switchIfChosen(dialog.selectedLanguage);
    store();
}

void SettingsCommands::edit()
{
    SettingDialog dialog(languages.codes, languages.current, &window);
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
    switchIfChosen(dialog.selectedLanguage);

    traces.applyChangedSettings(old);
    storeChosen();
}
