#pragma once
// The settings and the interface language: the language set-up at start-up,
// the first-run dialog, the Settings command, the switch of the installed
// translation and the writing of the settings file.
//
// Owns nothing: the settings, the translator and the language list are the
// window's members, reached through Languages. Needs the window (the dialogs'
// parent) and the retranslation of its form's texts after a switch, the document (for the
// title's modified mark), the log, the trace display (which shows the
// settings' flags) and the window's own operations.

#include "languages.h"

#include <QString>

#include <functional>

struct AppSettings;
class Logger;
class QMainWindow;
class QTranslator;
class TomoDocument;
class TraceDisplay;
struct WindowHost;

class SettingsCommands
{
public:
    struct Languages {
        QTranslator*& translator;
        QTranslator*& qtTranslator; // Qt's own catalogue of the same language
        const QString& folder;
        LanguageList& codes;
        int& current; // index into codes, -1 for none
    };

    SettingsCommands(QMainWindow& window, std::function<void()> retranslate, AppSettings& settings,
                     Languages languages, const TomoDocument& document, Logger*& logger,
                     TraceDisplay& traces, const WindowHost& host);

    // Lists the translation files, applies the settings' display flags when
    // the settings file was read, and installs the translation of the
    // settings' language ("en" without settings).
    void setupLanguages(bool settingsLoaded);
    // Switches to codes[index]. The new translation is loaded before
    // anything changes, so a file that does not load leaves the language,
    // the texts and the number formats as they were. False then.
    bool switchLanguage(int index);
    // Writes the settings file; a failure goes to the log, and reason (when
    // given) says why. False then.
    bool store(std::string* reason = nullptr);
    // The language-only dialog of a first run; the settings are written
    // when it is accepted.
    void runFirstRunDialog();
    // The Settings command: the dialog, then each changed flag applied.
    void edit();

private:
    void switchIfChosen(int chosen);
    // store(), and a box when the settings the user just chose in the
    // Settings command were not kept (the first run only logs: its work
    // folder may be what cannot be written).
    void storeChosen();
    // Replaces Qt's own catalogue with the one of code (none for English).
    void useQtTexts(const QString& code);

    QMainWindow& window;
    std::function<void()> retranslate;
    AppSettings& settings;
    Languages languages;
    const TomoDocument& document;
    Logger*& logger;
    TraceDisplay& traces;
    const WindowHost& host;
};
