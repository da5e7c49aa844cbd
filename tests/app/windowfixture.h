#pragma once
// Starting the main window in a test: each window gets a fresh HOME (the work
// folder, settings, log and history live there), and the first-run dialog,
// if one appears, is answered by a watcher armed before the constructor.

#include "modalwatcher.h"
#include "qtprint.h"

#include <QString>

#include <map>

#include <memory>
#include <string>
#include <vector>

class Tervanelo_MainWindows;

namespace windowtest
{

// Points HOME at a new empty folder for its lifetime.
class FreshHome
{
public:
    FreshHome();
    ~FreshHome();
    FreshHome(const FreshHome&) = delete;
    FreshHome& operator=(const FreshHome&) = delete;

    const std::string& path() const { return home; }
    std::string workFolder() const { return home + "/Tervanelo_TMP/"; }
    std::string settingsFile() const { return workFolder() + "Tervanelo_settings.xml"; }
    std::string logFile() const { return workFolder() + "Tervanelo_log.log"; }

private:
    std::string home;
    std::string previous;
};

// A settings file whose root holds exactly the given elements.
void writeSettings(const FreshHome& home, const std::string& elements);
// A settings file of the current version with the given language and display flags.
void writeCurrentSettings(const FreshHome& home, const std::string& language = "en",
                          bool showAllTraces = false, bool showFiltered = true);

std::vector<std::string> readLines(const std::string& path);
int countOccurrences(const std::string& path, const std::string& text);

// Builds a window; a modal dialog during construction is handed to answer
// (null: closed without OK). watcher reports what appeared.
struct Started {
    std::unique_ptr<Tervanelo_MainWindows> window;
    std::vector<QString> dialogClasses;
    std::vector<QString> dialogTitles;
    // The standard buttons of the first dialog's button box when it came up.
    std::vector<int> firstDialogButtons;
};
enum class FirstRunAnswer { Ok, Close };
Started startWindow(FirstRunAnswer answer = FirstRunAnswer::Ok);

// The state of a menu or action. A menu item is reachable when it and every
// menu around it are enabled.
struct MenuItemState {
    bool enabled;
    bool reachable;
    QString shortcut;
    int checked; // -1: not checkable
};
// Every menu and action of the menu bar by object name, and the fill-wiggle
// and zoom actions (the zoom ones by their text), which no menu holds and so
// count as not reachable.
std::map<QString, MenuItemState> walkActions(Tervanelo_MainWindows& window);

// Removes the window's translator from the application and resets the
// default locale, so a language switch stays inside its test.
void forgetLanguage(Tervanelo_MainWindows& window);

} // namespace windowtest
