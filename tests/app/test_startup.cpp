// The built programs started as a user starts them: their own process, a
// fresh HOME, the X server of the test run. Each window the row names is
// closed as a window manager closes it, with a WM_DELETE_WINDOW message, and
// the program must end with status 0 and without a message from Qt.

#include "testenv.h"

#include <gtest/gtest.h>

// After gtest: Xlib defines None, Bool and Status as macros.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace
{
// Every message Qt writes starts with this, so its lines are told apart from
// the program's own output.
const char* const qtMark = "qt-message:";

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// A started program: its process, its HOME and the files its standard
// output and error go to.
class Program
{
public:
    Program(const std::string& path, const std::string& home)
    {
        runtime = home + "-runtime";
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
        errors = home + "-stderr.txt";
        output = home + "-stdout.txt";

        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            const std::string name = entry.substr(0, entry.find('='));
            if (name != "HOME" && name != "XDG_RUNTIME_DIR" && name != "ASAN_OPTIONS" &&
                name != "QT_QPA_PLATFORM" && name != "QT_MESSAGE_PATTERN")
                env.push_back(entry);
        }
        env.push_back("HOME=" + home);
        env.push_back("XDG_RUNTIME_DIR=" + runtime);
        env.push_back("ASAN_OPTIONS=detect_leaks=0");
        env.push_back("QT_QPA_PLATFORM=xcb");
        env.push_back(std::string("QT_MESSAGE_PATTERN=") + qtMark + " %{type} %{message}");
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string program = path;
        char* argv[] = {program.data(), nullptr};

        pid = fork();
        if (pid == 0) {
            const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (err < 0 || out < 0 || dup2(err, STDERR_FILENO) < 0 ||
                dup2(out, STDOUT_FILENO) < 0 || chdir(home.c_str()) != 0)
                _exit(126);
            execve(argv[0], argv, envp.data());
            _exit(127);
        }
    }
    ~Program()
    {
        if (pid > 0 && !status) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return pid > 0; }
    // The exit status once the process has ended.
    std::optional<int> poll()
    {
        int raw = 0;
        if (!status && waitpid(pid, &raw, WNOHANG) == pid)
            status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        return status;
    }
    std::string stderrText() const { return testenv::readText(errors); }

    pid_t pid = -1;

private:
    std::string runtime, errors, output;
    std::optional<int> status;
};

Atom atom(Display* d, const char* name)
{
    return XInternAtom(d, name, False);
}

// The process that owns a top-level window, from the property Qt sets.
long windowPid(Display* d, Window w)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(d, w, atom(d, "_NET_WM_PID"), 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && count == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return pid;
}

std::string windowTitle(Display* d, Window w)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(d, w, atom(d, "_NET_WM_NAME"), 0, 1024, False, atom(d, "UTF8_STRING"),
                           &type, &format, &count, &after, &data) == Success &&
        data)
        title.assign(reinterpret_cast<char*>(data), count);
    if (data)
        XFree(data);
    return title;
}

// The mapped top-level windows of the process: (window, title).
std::vector<std::pair<Window, std::string>> shownWindows(Display* d, pid_t pid)
{
    std::vector<std::pair<Window, std::string>> found;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (windowPid(d, children[i]) != pid ||
            !XGetWindowAttributes(d, children[i], &attributes) ||
            attributes.map_state != IsViewable)
            continue;
        found.emplace_back(children[i], windowTitle(d, children[i]));
    }
    if (children)
        XFree(children);
    return found;
}

void sendDelete(Display* d, Window w)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = atom(d, "WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(atom(d, "WM_DELETE_WINDOW"));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &event);
    XFlush(d);
}

std::string listed(const std::vector<std::pair<Window, std::string>>& windows)
{
    std::string text;
    for (const auto& w : windows)
        text += " \"" + w.second + "\"";
    return text.empty() ? " none" : text;
}

struct StartCase {
    const char* name;
    const char* program;
    const char* settingsFixture;     // copied into the work folder first; null: empty HOME
    std::vector<std::string> closes; // the windows, in the order they must appear
    const char* never;               // a window that must not appear; null: none
    bool settingsAfter;              // the settings file exists when the program has ended
};

void PrintTo(const StartCase& c, std::ostream* os)
{
    *os << c.name;
}

class StartedProgram : public ::testing::TestWithParam<StartCase>
{
};

TEST_P(StartedProgram, ClosesItsWindowsAndEndsCleanly)
{
    const StartCase& c = GetParam();
    // A window can go between listing it and reading its properties: such
    // errors are expected here, and Xlib's default handler would end the test.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    DisplayPtr display(XOpenDisplay(nullptr));
    ASSERT_TRUE(display) << "no X server: these tests run under the one of make test";
    Display* d = display.get();

    const std::string home = testenv::freshDir(std::string("home-") + c.name);
    const std::string settings = home + "/Tervanelo_TMP/Tervanelo_settings.xml";
    std::string settingsBefore;
    if (c.settingsFixture) {
        fs::create_directories(home + "/Tervanelo_TMP");
        fs::copy_file(testenv::fixture(c.settingsFixture), settings);
        settingsBefore = testenv::readText(settings);
    }

    Program program(c.program, home);
    ASSERT_TRUE(program.started());
    // Each window is waited for as long as the program takes (the CTest
    // timeout ends a hang); a program that ends first fails the row.
    for (const std::string& title : c.closes) {
        Window target = 0;
        std::vector<std::pair<Window, std::string>> windows;
        while (!target) {
            if (program.poll()) {
                FAIL() << "ended with status " << *program.poll() << " before the window \""
                       << title << "\" appeared; windows shown last:" << listed(windows) << "\n"
                       << program.stderrText();
            }
            windows = shownWindows(d, program.pid);
            for (const auto& [w, name] : windows) {
                if (c.never && name == c.never)
                    FAIL() << "\"" << c.never << "\" appeared while waiting for \"" << title
                           << "\"";
                if (name == title)
                    target = w;
            }
            if (!target)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        sendDelete(d, target);
        // The next window of the row is another one: wait until this one is gone.
        while (!program.poll()) {
            bool shown = false;
            for (const auto& w : shownWindows(d, program.pid))
                shown = shown || w.first == target;
            if (!shown)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    while (!program.poll())
        std::this_thread::sleep_for(std::chrono::milliseconds(20));

    const std::string errors = program.stderrText();
    EXPECT_EQ(*program.poll(), 0) << errors;
    std::istringstream lines(errors);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(line.find(qtMark), std::string::npos) << line;
        EXPECT_EQ(line.find("runtime error:"), std::string::npos) << line;
    }
    EXPECT_EQ(fs::exists(settings), c.settingsAfter);
    if (c.settingsFixture) {
        EXPECT_EQ(testenv::readText(settings), settingsBefore) << "nothing is written at exit";
    }
}

const char* const mainTitle = "Tervanelo 2022.0";
const char* const firstRunTitle = "Tervanelo - User Settings";

INSTANTIATE_TEST_SUITE_P(
    Programs, StartedProgram,
    ::testing::Values(
        // The first-run dialog closed is rejected: no settings, and the
        // program goes on to its main window.
        StartCase{
            "FirstStart", TERVANELO_PROGRAM, nullptr, {firstRunTitle, mainTitle}, nullptr, false},
        StartCase{"WithSettings",
                  TERVANELO_PROGRAM,
                  "settings/Tervanelo_settings.xml",
                  {mainTitle},
                  firstRunTitle,
                  true},
        StartCase{"Converter",
                  TERVANELO_CONVERTER,
                  nullptr,
                  {"Convert2Tervanelo v. 1.0"},
                  nullptr,
                  false}),
    [](const ::testing::TestParamInfo<StartCase>& p) { return std::string(p.param.name); });

} // namespace
