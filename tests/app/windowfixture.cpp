#include "windowfixture.h"

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace windowtest
{

namespace
{
int homeCounter = 0;
}

FreshHome::FreshHome()
{
    const char* current = std::getenv("HOME");
    previous = current ? current : "";
    // Inside the test program's own temporary HOME, which is removed at exit.
    home = previous + "/home" + std::to_string(++homeCounter);
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home);
    setenv("HOME", home.c_str(), 1);
}

FreshHome::~FreshHome()
{
    setenv("HOME", previous.c_str(), 1);
}

void writeSettings(const FreshHome& home, const std::string& elements)
{
    std::filesystem::create_directories(home.workFolder());
    std::ofstream out(home.settingsFile(), std::ios::trunc);
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<cereal>\n" << elements << "</cereal>\n";
}

void writeCurrentSettings(const FreshHome& home, const std::string& language, bool showAllTraces,
                          bool showFiltered)
{
    auto flag = [](bool b) { return std::string(b ? "true" : "false"); };
    writeSettings(
        home, "\t<language>" + language +
                  "</language>\n\t<zoomIn>false</zoomIn>\n"
                  "\t<cutHorizontal>true</cutHorizontal>\n\t<fillWiggle>true</fillWiggle>\n"
                  "\t<showFiltered>" +
                  flag(showFiltered) + "</showFiltered>\n\t<showAllTraces>" + flag(showAllTraces) +
                  "</showAllTraces>\n"
                  "\t<savePngHColorbar>false</savePngHColorbar>\n"
                  "\t<twoColors>false</twoColors>\n");
}

std::vector<std::string> readLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

int countOccurrences(const std::string& path, const std::string& text)
{
    int n = 0;
    for (const std::string& line : readLines(path))
        for (size_t at = line.find(text); at != std::string::npos; at = line.find(text, at + 1))
            ++n;
    return n;
}

Started startWindow(FirstRunAnswer answer)
{
    Started started;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* box = modal->findChild<QDialogButtonBox*>("buttonBox");
        if (box && started.dialogClasses.empty())
            for (QAbstractButton* b : box->buttons())
                started.firstDialogButtons.push_back(int(box->standardButton(b)));
        started.dialogClasses.push_back(QString::fromLatin1(modal->metaObject()->className()));
        started.dialogTitles.push_back(modal->windowTitle());
        QPushButton* ok = box ? box->button(QDialogButtonBox::Ok) : nullptr;
        if (answer == FirstRunAnswer::Ok && ok)
            ok->click();
        else
            modal->close();
    });
    started.window = std::make_unique<Tervanelo_MainWindows>();
    return started;
}

namespace
{
// A sub-menu's own state, whatever the menu around it says.
bool menuEnabled(QMenu* menu)
{
    return menu->isEnabledTo(menu->parentWidget());
}

void walkMenu(QMenu* menu, bool reachable, std::map<QString, MenuItemState>& items)
{
    const bool menuReachable = reachable && menuEnabled(menu);
    items[menu->objectName()] = {menuEnabled(menu), menuReachable, QString(), -1};
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        if (a->menu()) {
            walkMenu(a->menu(), menuReachable, items);
            continue;
        }
        items[a->objectName()] = {a->isEnabled(), menuReachable && a->isEnabled(),
                                  a->shortcut().toString(),
                                  a->isCheckable() ? int(a->isChecked()) : -1};
    }
}
} // namespace

std::map<QString, MenuItemState> walkActions(Tervanelo_MainWindows& w)
{
    std::map<QString, MenuItemState> items;
    for (QAction* a : w.menuBar()->actions())
        walkMenu(a->menu(), true, items);
    for (QAction* a : {w.ui->actionFill_wiggle, w.zoomInAction, w.zoomOutAction, w.zoomTimeInAction,
                       w.zoomTimeOutAction})
        items[a->objectName().isEmpty() ? a->text() : a->objectName()] = {
            a->isEnabled(), false, a->shortcut().toString(),
            a->isCheckable() ? int(a->isChecked()) : -1};
    return items;
}

void forgetLanguage(Tervanelo_MainWindows& window)
{
    if (window.translator)
        QCoreApplication::removeTranslator(window.translator);
    if (window.qtTranslator)
        QCoreApplication::removeTranslator(window.qtTranslator);
    QLocale::setDefault(QLocale::c());
}

} // namespace windowtest
