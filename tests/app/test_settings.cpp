// The settings file and the history file, read and written without a window.

#include "history.h"
#include "qtprint.h"
#include "settings.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::internal::CaptureStderr;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStderr;
using ::testing::internal::GetCapturedStdout;

namespace
{

int countLines(const std::string& text)
{
    int n = 0;
    for (char c : text)
        n += c == '\n';
    return n;
}

std::string settingsXml(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<cereal>\n" + body + "</cereal>\n";
}

TEST(SettingsFile, DefaultsAreWrittenAtTheRootInFileOrder)
{
    const std::string path = testenv::freshDir("settings-save") + "/Tervanelo_settings.xml";
    AppSettings settings;
    settings.settingsPath = path;
    ASSERT_TRUE(settings.saveSettings());

    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QLatin1String("cereal"));
    std::vector<std::pair<QString, QString>> children;
    while (xml.readNextStartElement()) {
        const QString name = xml.name().toString();
        children.emplace_back(name,
                              xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    const std::vector<std::pair<QString, QString>> expected = {
        {"language", "en"},
        {"zoomIn", "false"},
        {"cutHorizontal", "true"},
        {"fillWiggle", "true"},
        {"showFiltered", "true"},
        {"showAllTraces", "false"},
        {"savePngHColorbar", "false"},
        {"twoColors", "false"},
    };
    EXPECT_EQ(children, expected);
}

TEST(SettingsFile, UnwritablePathReportsFailure)
{
    // A directory where the file should be refuses even root.
    const std::string path = testenv::freshDir("settings-dir") + "/Tervanelo_settings.xml";
    QDir().mkpath(QString::fromStdString(path));
    AppSettings settings;
    settings.settingsPath = path;
    EXPECT_FALSE(settings.saveSettings());
    EXPECT_FALSE(settings.loadSettings());
}

struct LoadCase {
    const char* name;
    const char* content; // null: no file
    bool result;
    AppSettings expected;
    int stderrLines;
    int stdoutLines;
};

AppSettings with(std::string language, bool zoomIn, bool cut, bool fill, bool filtered, bool all,
                 bool png, bool two)
{
    AppSettings s;
    s.language = std::move(language);
    s.zoomIn = zoomIn;
    s.cutHorizontal = cut;
    s.fillWiggle = fill;
    s.showFiltered = filtered;
    s.showAllTraces = all;
    s.savePngHColorbar = png;
    s.twoColors = two;
    return s;
}

class SettingsLoad : public ::testing::TestWithParam<LoadCase>
{
};

TEST_P(SettingsLoad, Table)
{
    const LoadCase& c = GetParam();
    const std::string path = testenv::freshDir(std::string("settings-") + c.name) + "/s.xml";
    if (c.content)
        testenv::writeText(path, c.content);

    AppSettings settings;
    settings.settingsPath = path;
    CaptureStdout();
    CaptureStderr();
    const bool loaded = settings.loadSettings();
    const std::string out = GetCapturedStdout();
    const std::string err = GetCapturedStderr();

    ASSERT_EQ(loaded, c.result);
    EXPECT_EQ(settings.settingsPath, path);
    if (!c.result)
        return;
    EXPECT_EQ(settings.language, c.expected.language);
    EXPECT_EQ(settings.zoomIn, c.expected.zoomIn);
    EXPECT_EQ(settings.cutHorizontal, c.expected.cutHorizontal);
    EXPECT_EQ(settings.fillWiggle, c.expected.fillWiggle);
    EXPECT_EQ(settings.showFiltered, c.expected.showFiltered);
    EXPECT_EQ(settings.showAllTraces, c.expected.showAllTraces);
    EXPECT_EQ(settings.savePngHColorbar, c.expected.savePngHColorbar);
    EXPECT_EQ(settings.twoColors, c.expected.twoColors);
    EXPECT_EQ(countLines(err), c.stderrLines) << err;
    EXPECT_EQ(countLines(out), c.stdoutLines) << out;
}

const std::string onlyLanguage = settingsXml("\t<language>it</language>\n");
const std::string version2020 = settingsXml(
    "\t<language>en</language>\n\t<zoomIn>false</zoomIn>\n\t<cutHorizontal>true</cutHorizontal>\n"
    "\t<fillWiggle>true</fillWiggle>\n\t<showFiltered>true</showFiltered>\n"
    "\t<showAllTraces>true</showAllTraces>\n\t<savePngHColorbar>false</savePngHColorbar>\n");
const std::string shuffled =
    settingsXml("\t<twoColors>true</twoColors>\n\t<showFiltered>false</showFiltered>\n"
                "\t<savePngHColorbar>true</savePngHColorbar>\n\t<zoomIn>true</zoomIn>\n"
                "\t<language>it</language>\n\t<fillWiggle>false</fillWiggle>\n"
                "\t<showAllTraces>true</showAllTraces>\n\t<cutHorizontal>false</cutHorizontal>\n");
const std::string noLanguage = settingsXml("\t<zoomIn>true</zoomIn>\n");

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsLoad,
    ::testing::Values(LoadCase{"only_language", onlyLanguage.c_str(), true,
                               with("it", false, true, true, true, false, false, false), 2, 6},
                      LoadCase{"version_2020", version2020.c_str(), true,
                               with("en", false, true, true, true, true, false, false), 0, 2},
                      LoadCase{"shuffled", shuffled.c_str(), true,
                               with("it", true, false, false, false, true, true, true), 0, 0},
                      LoadCase{"no_language", noLanguage.c_str(), false, {}, 0, 0},
                      LoadCase{"not_xml", "not xml", false, {}, 0, 0},
                      LoadCase{"empty", "", false, {}, 0, 0},
                      LoadCase{"missing", nullptr, false, {}, 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SettingsFile, VersionLinesNameTheirGroups)
{
    const std::string path = testenv::freshDir("settings-lines") + "/s.xml";
    testenv::writeText(path, onlyLanguage);
    AppSettings settings;
    settings.settingsPath = path;
    CaptureStdout();
    CaptureStderr();
    ASSERT_TRUE(settings.loadSettings());
    const std::string out = GetCapturedStdout();
    const std::string err = GetCapturedStderr();
    EXPECT_EQ(err, "First time running version 2019.1. Some setting where not in.\n"
                   "Unknown settings set to default.\n");
    const std::string v2020 = "First time running version 2020.0. Some setting where not in. \n"
                              "Unknown settings set to default.\n";
    EXPECT_EQ(out, v2020 + v2020 +
                       "First time running version 2020.2. Some setting where not in. \n"
                       "Unknown settings set to default.\n");
}

TEST(SettingsFile, RoundTripKeepsEveryFlag)
{
    const std::string path = testenv::freshDir("settings-roundtrip") + "/s.xml";
    AppSettings written = with("it", true, false, false, false, true, true, true);
    written.settingsPath = path;
    ASSERT_TRUE(written.saveSettings());
    AppSettings read;
    read.settingsPath = path;
    CaptureStdout();
    ASSERT_TRUE(read.loadSettings());
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_EQ(read.language, "it");
    EXPECT_TRUE(read.zoomIn);
    EXPECT_FALSE(read.cutHorizontal);
    EXPECT_FALSE(read.fillWiggle);
    EXPECT_FALSE(read.showFiltered);
    EXPECT_TRUE(read.showAllTraces);
    EXPECT_TRUE(read.savePngHColorbar);
    EXPECT_TRUE(read.twoColors);
}

TEST(SettingsFile, EmptyPathIsNotReadable)
{
    AppSettings settings;
    EXPECT_FALSE(settings.fileIsReadable());
    EXPECT_FALSE(settings.loadSettings());
}

// ---- History file ----

struct HistoryCase {
    const char* name;
    const char* content;  // null: no file
    std::string expected; // "$HOME": the home folder
};

class HistoryRead : public ::testing::TestWithParam<HistoryCase>
{
};

TEST_P(HistoryRead, Table)
{
    const HistoryCase& c = GetParam();
    const std::string path =
        testenv::freshDir(std::string("history-") + c.name) + "/Tervanelo_history.txt";
    if (c.content)
        testenv::writeText(path, c.content);
    CaptureStderr();
    const std::string folder = readHistoryFile(path);
    const std::string err = GetCapturedStderr();
    if (c.content) {
        EXPECT_EQ(folder, c.expected);
        EXPECT_EQ(err, "");
    } else {
        EXPECT_EQ(folder, QDir::homePath().toStdString());
        EXPECT_EQ(err, "ERROR while trying to read history file.\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Contents, HistoryRead,
                         ::testing::Values(HistoryCase{"none", nullptr, ""},
                                           HistoryCase{"plain", "a/b", "a/b"},
                                           HistoryCase{"crlf", "a/b\r\n", "a/b"},
                                           HistoryCase{"empty_first_line", "\nx", ""},
                                           HistoryCase{"several_lines", "p1\np2", "p1"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(HistoryFile, SaveWritesTheFolderAloneAsUtf8)
{
    const std::string path = testenv::freshDir("history-save") + "/Tervanelo_history.txt";
    testenv::writeText(path, "an older, longer folder name\nsecond line\n");
    const std::string folder = QString::fromUtf8("/data/Località/rilievo").toStdString();
    saveHistoryFile(path, folder);
    const std::vector<unsigned char> bytes = testenv::readBytes(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), folder);
    EXPECT_EQ(readHistoryFile(path), folder);
}

TEST(HistoryFile, UnwritableFileIsSaidOnStandardError)
{
    // The work folder could not be created: even root cannot write there.
    const std::string path = testenv::freshDir("history-missing") + "/absent/Tervanelo_history.txt";
    CaptureStderr();
    EXPECT_FALSE(saveHistoryFile(path, "/somewhere"));
    const std::string said = GetCapturedStderr();
    EXPECT_EQ(said.rfind("ERROR while trying to save history file.\n", 0), 0u) << said;
    EXPECT_NE(said.find("does not exist"), std::string::npos) << said;
}

} // namespace
