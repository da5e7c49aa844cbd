// Every writer of the main program against targets that refuse the file: a
// full folder, a nearly full one, a read-only one, a missing one and
// /dev/full. Each writer's input (document, pictures, palette) is made in the
// parent; only its writing step runs in the forked child of the limited
// folders, which never touches a display.

#include "contourlevels.h"
#include "exporttestutil.h"
#include "geometryfiles.h"
#include "geotransform.h"
#include "history.h"
#include "limitedfolder.h"
#include "palettefile.h"
#include "picturefile.h"
#include "reports.h"
#include "settings.h"
#include "testenv.h"
#include "textexports.h"
#include "traveltimeexport.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{

// Writes the file at path; false with a reason when it could not.
using WriteStep = std::function<bool(const std::string& path, std::string& reason)>;

struct Writer {
    const char* name;
    const char* file;
    // Runs in the parent: makes the input and returns the writing step.
    std::function<WriteStep()> prepare;
    // Two runs give the same bytes (the reports carry their time of making).
    bool sameBytesEveryRun = true;
};

void PrintTo(const Writer& w, std::ostream* os)
{
    *os << w.name;
}

const TomoDocument& gridSurvey()
{
    static TomoDocument doc;
    if (doc.goephonesStringSet.empty())
        exporttest::buildGridSurvey(doc);
    return doc;
}

// Enough shots and geophones that every survey file is larger than 8 kB.
const TomoDocument& pickedSurvey()
{
    static TomoDocument doc;
    if (doc.ttArray.empty()) {
        std::vector<std::string> names;
        for (int k = 0; k < 40; ++k)
            names.push_back("shot_" + std::to_string(k) + ".sg2");
        exporttest::buildPickedSurvey(doc, 40, 48, 0.08, names);
    }
    return doc;
}

QImage picture()
{
    QImage image(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
    return image;
}

WriteStep qtStep(std::function<bool(const QString&, QString*)> write)
{
    return [write](const std::string& path, std::string& reason) {
        QString why;
        const bool ok = write(QString::fromStdString(path), &why);
        reason = why.toStdString();
        return ok;
    };
}

const Writer writers[] = {
    {"odt report", "report.odt",
     [] {
         const std::vector<ReportPicture> pictures{{"chart", picture(), 660}};
         return qtStep([pictures](const QString& path, QString* why) {
             return writeOdtReport(path, pickedSurvey(), pictures, why);
         });
     },
     false},
    {"pdf report", "report.pdf",
     [] {
         const std::vector<ReportPicture> pages{{"chart", picture(), 0}};
         return qtStep([pages](const QString& path, QString* why) {
             return writePdfReport(path, pickedSurvey(), pages, why);
         });
     },
     false},
    {"seismic line kml", "line.kml",
     [] {
         std::shared_ptr<GeoTransform> transform = createGeoTransform(32633);
         return WriteStep([transform](const std::string& path, std::string& reason) {
             return writeSeismicLineKml(path, gridSurvey(), *transform, &reason) ==
                    TextExportResult::Ok;
         });
     }},
    {"profile kml", "profile.kml",
     [] {
         std::shared_ptr<GeoTransform> transform = createGeoTransform(32633);
         const ColorPalette palette = builtInPalettes().palettes.front();
         return WriteStep([transform, palette](const std::string& path, std::string& reason) {
             return writeProfileKml(path, gridSurvey(), *transform, palette, 500, 3000, &reason) ==
                    TextExportResult::Ok;
         });
     }},
    {"gridded text", "velocity.txt",
     [] {
         return WriteStep([](const std::string& path, std::string& reason) {
             return writeGriddedVelocity(path, gridSurvey(), 0.0, 0.0, &reason) ==
                    TextExportResult::Ok;
         });
     }},
    {"otte export", "picks.otte",
     [] {
         return WriteStep([](const std::string& path, std::string& reason) {
             return exportTravelTimesOtte(pickedSurvey(), path, nullptr, &reason) == 0;
         });
     }},
    // The image series, the screenshot and the refraction plots encode in
    // memory and write through this step.
    {"png picture", "picture.png",
     [] {
         const QImage image = picture();
         return qtStep([image](const QString& path, QString* why) {
             return writeWholePng(path, image, why);
         });
     }},
    {"shot geometry", "shots.csv",
     [] {
         std::vector<std::string> labels;
         std::vector<std::vector<double>> rows;
         for (int k = 0; k < 400; ++k) {
             labels.push_back("/data/line 1/shot_" + std::to_string(k) + ".sg2");
             rows.push_back({k * 2.5, 100.0 + k * 0.01});
         }
         return WriteStep([labels, rows](const std::string& path, std::string& reason) {
             return writeCSV(path, ";", labels, rows, &reason) == 0;
         });
     }},
    {"geophone geometry", "geophones.csv",
     [] {
         std::vector<std::vector<double>> rows;
         for (int k = 0; k < 600; ++k)
             rows.push_back({k * 2.5, 100.0 + k * 0.01});
         return WriteStep([rows](const std::string& path, std::string& reason) {
             return writeGeophoneCSV(path, "(blank space)", rows, &reason) == 0;
         });
     }},
    {"palette", "palette.xml",
     [] {
         ColorPalette palette;
         palette.name = "many stops";
         for (int k = 0; k <= 100; ++k)
             palette.color_gradient.color.push_back({k / 100.0, 1.0 - k / 100.0, 0.5, k / 100.0});
         return WriteStep([palette](const std::string& path, std::string& reason) {
             return savePaletteFile(palette, path, &reason);
         });
     }},
    {"contour levels", "levels.csv",
     [] {
         std::set<double> levels;
         for (int k = 0; k < 800; ++k)
             levels.insert(300.0 + k * 3.3);
         return WriteStep([levels](const std::string& path, std::string& reason) {
             return writeIsovalues(path, ";", levels, &reason);
         });
     }},
    {"settings", "Tervanelo_settings.xml",
     [] {
         return WriteStep([](const std::string& path, std::string& reason) {
             AppSettings settings;
             settings.settingsPath = path;
             settings.language = "it";
             return settings.saveSettings(&reason);
         });
     }},
    {"history", "Tervanelo_history.txt",
     [] {
         return WriteStep([](const std::string& path, std::string&) {
             // The reason goes to standard error only.
             return saveHistoryFile(path, "/home/surveyor/" + std::string(9000, 'f'));
         });
     }},
};

const std::string older = "the older file\n";

// The older file, then ballast that leaves `free` bytes of the folder.
void fillLeaving(const std::string& dir, const std::string& file, unsigned long free)
{
    testenv::writeText(dir + "/" + file, older);
    struct statvfs fs {
    };
    ::statvfs(dir.c_str(), &fs);
    const unsigned long available = fs.f_bavail * fs.f_frsize;
    if (available > free) {
        std::ofstream ballast(dir + "/ballast", std::ios::binary);
        ballast << std::string(available - free, 'b');
    }
}

class WholeWriters : public ::testing::TestWithParam<Writer>
{
protected:
    void SetUp() override
    {
        const Writer& w = GetParam();
        step = w.prepare();
        // What a successful write gives, for comparison.
        const std::string dir = testenv::freshDir("whole-reference");
        reference = dir + "/" + w.file;
        std::string reason;
        ASSERT_TRUE(step(reference, reason)) << reason;
        ASSERT_GT(fs::file_size(reference), 0u);
    }

    // The body of a limited-folder run: a failure with a reason, the older
    // file as it was, nothing else left. With mayFit, a file that fits in the
    // room left may be written instead, but only whole.
    std::string writeAndCheck(const std::string& where, bool mayFit) const
    {
        const Writer& w = GetParam();
        const std::string path = where + "/" + w.file;
        std::string problems;
        std::string reason;
        if (step(path, reason)) {
            if (!mayFit)
                problems += "written; ";
            else if (w.sameBytesEveryRun && testenv::readText(path) != testenv::readText(reference))
                problems += "written, but not whole; ";
            else if (fs::file_size(path) != fs::file_size(reference))
                problems += "written, but not whole; ";
        } else {
            if (reason.empty() && std::string(w.name) != "history")
                problems += "no reason; ";
            if (testenv::readText(path) != older)
                problems += "older file changed; ";
        }
        const std::string extra = testenv::otherFiles(where, {w.file, "ballast"});
        if (!extra.empty())
            problems += "left: " + extra;
        return problems;
    }

    WriteStep step;
    std::string reference;
};

TEST_P(WholeWriters, AFullOrReadOnlyFolderKeepsTheOlderFile)
{
    using projecttest::FolderLimit;
    const Writer& w = GetParam();
    struct Target {
        const char* name;
        FolderLimit limit;
        unsigned long free;
    };
    const Target targets[] = {
        {"full", FolderLimit::Full, 0},
        {"8 kB free", FolderLimit::Full, 8 * 1024},
        {"read-only", FolderLimit::ReadOnly, 0},
    };
    for (const Target& t : targets) {
        SCOPED_TRACE(t.name);
        // Only a file that fits in what is left may be written.
        const bool mayFit = t.free >= fs::file_size(reference);
        const auto run = projecttest::runInLimitedFolder(
            testenv::freshDir("whole-limited"), t.limit, 64 * 1024, false,
            [&](const std::string& dir) {
                if (t.limit == FolderLimit::Full)
                    fillLeaving(dir, w.file, t.free);
                else
                    testenv::writeText(dir + "/" + w.file, older);
            },
            [&](const std::string& where) { return writeAndCheck(where, mayFit); });
        if (run.skipped)
            GTEST_SKIP() << "no way to limit a folder here";
        EXPECT_EQ(run.problems, "") << run.how;
    }
}

TEST_P(WholeWriters, AMissingFolderOrADeviceIsRefused)
{
    const Writer& w = GetParam();
    const std::string dir = testenv::freshDir("whole-refused");
    for (const std::string& path : {dir + "/missing/" + w.file, std::string("/dev/full")}) {
        std::string reason;
        EXPECT_FALSE(step(path, reason)) << path;
        if (std::string(w.name) != "history") {
            EXPECT_NE(reason.find(path == "/dev/full" ? "not a regular file" : "does not exist"),
                      std::string::npos)
                << reason;
        }
    }
    EXPECT_FALSE(fs::exists(dir + "/missing"));
    EXPECT_EQ(testenv::otherFiles(dir, {}), "");
    struct stat st {
    };
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

// The new file takes the older file's mode, not mkstemp's 0600 or the umask.
TEST_P(WholeWriters, AnOlderFileKeepsItsMode)
{
    const Writer& w = GetParam();
    const std::string dir = testenv::freshDir("whole-mode");
    const std::string path = dir + "/" + w.file;
    testenv::writeText(path, older);
    ::chmod(path.c_str(), 0644);
    const mode_t mask = ::umask(077);
    std::string reason;
    const bool ok = step(path, reason);
    ::umask(mask);
    ASSERT_TRUE(ok) << reason;
    EXPECT_EQ(testenv::fileMode(path), 0644u);
    EXPECT_EQ(fs::file_size(path), fs::file_size(reference));
    EXPECT_EQ(testenv::otherFiles(dir, {w.file}), "");
}

INSTANTIATE_TEST_SUITE_P(Writers, WholeWriters, ::testing::ValuesIn(writers), [](const auto& p) {
    std::string name = p.param.name;
    for (char& c : name)
        if (c == ' ')
            c = '_';
    return name;
});

} // namespace
