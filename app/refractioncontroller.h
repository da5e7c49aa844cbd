#pragma once
// The Refraction command: the layered refraction analysis dialog on the
// window's survey and refraction data, then the results handed to the
// section display and the "Show refraction" action.
//
// Owns nothing: the survey and the refraction data are the window's. Needs
// the log, the "Show refraction" action, the section display and the
// window's own operations.

#include "windowhost.h"

#include <exception>
#include <functional>

class Logger;
class QAction;
class SectionDisplay;
class TomoDocument;
struct refractionDataStructure;

class RefractionController
{
public:
    // Runs the dialog modally on the data; true when the user changed them
    // (layers, Enabled switches or a build).
    using DialogRunner = std::function<bool(TomoDocument&, refractionDataStructure&, Logger*)>;

    // The window's survey, its refraction data pointer (owned by the window,
    // created here when missing), its log, the action and the section display
    // that show the results, and the window's operations (the modified mark,
    // the error box for an exception that escapes the command).
    RefractionController(TomoDocument& document, refractionDataStructure*& data, Logger*& logger,
                         QAction* showRefraction, SectionDisplay& section, const WindowHost& host);

    // Everything after the command's log line.
    void run();

    // "Show refraction" enabled while the first refractor has depths, and
    // unchecked; the view follows the action, so that the next redraw agrees.
    void resetShowAction();

    // The real dialog unless a test puts another one in.
    DialogRunner runDialog;

private:
    void runSteps();
    // A structure that does not fit the survey is reset, with one warning.
    void prepareData();

    TomoDocument& document;
    refractionDataStructure*& data;
    Logger*& logger;
    QAction* showRefraction;
    SectionDisplay& section;
    const WindowHost& host;
};
