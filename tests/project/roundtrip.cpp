#include "roundtrip.h"

#include "grid.h"
#include "load_project.h"
#include "projecttestutil.h"
#include "save_project.h"
#include "signallog.h"
#include "testenv.h"
#include "workfolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <thread>

namespace projecttest
{

void expectS2RoundTrip(const std::string& name, const std::string& savedProject)
{
    Survey s2;
    buildS2(s2, testenv::freshDir(name + "-shots"));
    const std::string root = testenv::freshDir(name + "-work") + "/";
    std::string project = savedProject;
    if (project.empty()) {
        project = testenv::freshDir(name) + "/s2.tervo";
        ProjectWriter writer;
        ASSERT_EQ(writer.saveProject(project, root, &s2.document, s2.refraction.get(), s2.palettes),
                  0);
    }

    TomoDocument document;
    Grid grid;
    std::vector<double> velocities;
    std::vector<bool> flags;
    ColorPaletteList palettes = builtInPalettes();
    refractionDataStructure refraction(&document);
    projectReader reader;
    SignalLog log(reader);
    int result = -1;
    std::thread worker([&] {
        result = loadProjectThreadEntry(&reader, project, root, &document, &grid, &velocities,
                                        &flags, &refraction, &palettes);
    });
    worker.join();
    ASSERT_EQ(result, 0);
    EXPECT_EQ(reader.status, 0);
    EXPECT_EQ(log.names(), (std::vector<std::string>{"read_compressed", "read_tomo_xml",
                                                     "read_grid", "read_traces", "read_palettes"}));

    expectSameRecords(s2.document, document);
    EXPECT_EQ(grid.righe, 3u);
    EXPECT_EQ(grid.col, 4u);
    EXPECT_EQ(grid.nV, 6u);
    EXPECT_TRUE(sameBits(grid.aLato, 6.0));
    std::vector<double> slowness;
    std::vector<bool> covered;
    for (const GridCell& cell : s2.document.grid->cells) {
        slowness.push_back(cell.slowness);
        covered.push_back(cell.to_be_draw);
    }
    EXPECT_TRUE(sameBits(velocities, slowness));
    EXPECT_EQ(flags, covered);

    ASSERT_EQ(document.traceSets.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const TraceSet& saved = s2.document.traceSets[i];
        const TraceSet& read = document.traceSets[i];
        EXPECT_EQ(read.hasFiltered, saved.hasFiltered);
        ASSERT_EQ(read.traces.size(), saved.traces.size());
        for (size_t j = 0; j < read.traces.size(); ++j) {
            EXPECT_TRUE(sameBits(read.traces[j].samples, saved.traces[j].samples));
            EXPECT_TRUE(sameBits(read.traces[j].filtered, saved.traces[j].filtered));
        }
    }
    ASSERT_EQ(palettes.palettes.size(), 11u);
    EXPECT_EQ(palettes.palettes[9].name, "U1");
    EXPECT_EQ(palettes.palettes[10].name, "U2");
    expectSameRefraction(refraction, *s2.refraction);

    // One locked sub-folder, with the shot files the trace sets now point at.
    const std::unique_ptr<WorkFolder> folder = reader.takeWorkFolder();
    ASSERT_TRUE(folder);
    const std::string number = QDir(QString::fromStdString(folder->path())).dirName().toStdString();
    EXPECT_EQ(listing(root), (std::vector<std::string>{number, number + ".lock"}));
    EXPECT_EQ(listing(folder->path()),
              (std::vector<std::string>{"refraction.xml", "s1.sg2", "s2.sg2"}));
    EXPECT_EQ(document.traceSets[0].fileName, folder->path() + "s1.sg2");
}
} // namespace projecttest
