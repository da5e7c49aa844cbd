#pragma once
// What the window's controllers may ask of the window itself, and the survey
// members they share. The window builds one of each and hands every
// controller a reference; neither outlives the window.

#include <exception>
#include <functional>
#include <memory>
#include <string>

class AppPrompts;
class QObject;
class QWidget;
class TomoDocument;
class WorkFolder;
struct refractionDataStructure;

struct WindowHost {
    QWidget* window = nullptr; // parent of the commands' dialogs
    // Every file name and message box the commands ask for goes through it.
    AppPrompts* prompts = nullptr;
    // Action states: true while a survey is loaded.
    std::function<void(bool)> updateActionsState;
    // The title with the project file; false also clears the modified flag.
    std::function<void(bool)> updateWindowTitle;
    std::function<void(bool)> setModified;
    // The question before a modified survey is replaced: true to go on.
    std::function<bool()> askToSaveChanges;
    // The Save Project As command as the user runs it: true when saved.
    std::function<bool()> saveProjectAs;
    // The folder the file dialogs start in, and the one chosen last.
    std::function<std::string()> readHistory;
    std::function<void(const std::string&)> saveHistory;
    // Writes the settings file; a failure goes to the log.
    std::function<void()> storeSettings;
    // The rules of tab `index`, and the section tab in front with its rules.
    std::function<void(int)> applyTabRules;
    std::function<void()> bringSectionForward;
    // The progress dialog's Stop reaches the window's stop slot.
    std::function<void(QObject* progress)> connectStop;
    // An exception that escaped a command, in an "Error occured" box.
    std::function<void(const std::exception&)> showError;
};

// The survey members of the window that the survey and project commands
// replace together.
struct SurveyState {
    TomoDocument& document;
    refractionDataStructure*& refractionData;
    int& currentShot;
    bool& projectIsOpen;
    std::string& projectFile;
    // The unpacked files of the open project; goes with the project.
    std::unique_ptr<WorkFolder>& projectFolder;
};
