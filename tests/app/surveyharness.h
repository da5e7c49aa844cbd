#pragma once
// Driving the main window through a survey: modal dialogs answered by a
// script armed before the action, the synthetic two-layer surveys and their
// true first breaks.

#include "windowfixture.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Tervanelo_MainWindows;
class QWidget;

namespace commandtest
{

// The synthetic surveys over the same ground: three shots at 0, 23, 46 m
// (tests/fixtures/survey) and five at -1, 11, 23, 35, 47 m with the OTTE
// file of their true first breaks (tests/fixtures/seismic/two_layer_*).
QString threeShotFolder();
QStringList threeShotFiles();
QString fiveShotFolder();
QStringList fiveShotFiles();
QString fiveShotTravelTimes();                        // file name in fiveShotFolder()
std::string fixturePath(const std::string& relative); // under tests/fixtures/survey

// The ground of the synthetic surveys: 500 m/s over 2000 m/s, 5 m down.
double firstBreak(double offset);

// What a message box said when it was answered.
struct MessageSeen {
    QString title;
    QString text;
    QString informative;
};

// Answers the modal dialogs of one action in order. Each step names the class
// and (unless null) the window title it expects; anything else fails the test
// and is closed. The inversion's progress dialog and the log dialog of a save
// or an open, which wait for no answer, are let be unless a step expects them. The answer runs from
// the event loop, not from the poll, so an answer may open the next dialog. A watchdog closes every
// modal dialog and fails the test if the script is still running after `watchdogSeconds`.
// expectDone() ends the script.
class DialogScript
{
public:
    using Answer = std::function<void(QWidget*)>;
    struct Step {
        const char* className;
        const char* title; // null: any
        Answer answer;
    };

    explicit DialogScript(std::vector<Step> steps, int watchdogSeconds = 180);
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Fails the test unless every step was used and nothing unexpected came;
    // the script answers nothing more.
    void expectDone();

private:
    void poll();

    std::vector<Step> steps;
    size_t next = 0;
    std::vector<QString> unexpected;
    // Dialogs already handled that are still on screen. A dialog leaves the
    // list once it is hidden or destroyed, so a dialog shown again, or a new
    // one built at the same address, is a new question.
    std::vector<QPointer<QWidget>> seen;
    // The dialog handled last. A handled dialog that comes back on top of it
    // asks again only if it is still there one poll later: a file dialog
    // whose overwrite box just closed is about to close itself, a dialog that
    // refused its input waits for an answer.
    QPointer<QWidget> active;
    QPointer<QWidget> pending;
    std::unique_ptr<QTimer> timer;
    std::unique_ptr<QTimer> watchdog;
};

// Answers.
DialogScript::Answer chooseFiles(const QString& folder, const QStringList& names);
DialogScript::Answer saveAs(const QString& path);
DialogScript::Answer rejectDialog();
DialogScript::Answer acceptDialog();
// Clicks OK of the dialog's "buttonBox", so that its accepted() slots run.
DialogScript::Answer pressOk();
DialogScript::Answer pressButton(QMessageBox::StandardButton button, MessageSeen* seen = nullptr);
DialogScript::Answer gridSettings(double cellSize, double depth, int nodes);
// The run settings with these external iterations and, unless 0, this
// smoothing parameter; the rest as proposed.
DialogScript::Answer runSettings(int externalIterations, int smoothing = 0);

// Steps.
DialogScript::Step openShotsStep(const QString& folder, const QStringList& names);
DialogScript::Step geometryOkStep();
DialogScript::Step gridStep(double cellSize, double depth, int nodes = 6);

// New with the given shots, the geometry dialog accepted and the grid dialog
// answered; fails the test when anything else appears.
void loadShots(Tervanelo_MainWindows& w, const QString& folder, const QStringList& names,
               double cellSize, double depth, int nodes = 6);
// A started window on a fresh HOME with a settings file (no first-run dialog).
std::unique_ptr<Tervanelo_MainWindows> startSurveyWindow(const windowtest::FreshHome& home,
                                                         bool showAllTraces = false);
// Every measured time of every shot set to the true first break.
void pickTrueFirstBreaks(Tervanelo_MainWindows& w);
// Run with the given settings (see runSettings); the "Inversion results" box
// is answered and what it said is returned.
MessageSeen runInversion(Tervanelo_MainWindows& w, int externalIterations, int smoothing = 0);
// The two numbers of the line "<name> [ms] a; [%] b" of the results box.
std::pair<double, double> lineValues(const QString& text, const QString& name);
// Equal to 6 significant digits (zero equals anything below 1e-12).
bool sameTo6Digits(double a, double b);
// Number of panels of the all-shots view.
int panelCount(Tervanelo_MainWindows& w);

} // namespace commandtest
