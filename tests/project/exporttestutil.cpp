#include "exporttestutil.h"

#include "grid.h"
#include "testenv.h"
#include "toolprocess.h"

#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace exporttest
{

ToolRun runTool(const std::string& program, const std::vector<std::string>& args)
{
    QStringList list;
    for (const std::string& a : args)
        list << QString::fromStdString(a);
    QProcess p;
    p.start(QString::fromStdString(program), list);
    ToolRun run;
    if (!testenv::waitForTool(p)) {
        run.err = program + " did not finish within " +
                  std::to_string(testenv::toolTimeLimitMs / 1000) + " s";
        return run;
    }
    if (p.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = p.exitCode();
    run.out = p.readAllStandardOutput().toStdString();
    run.err = p.readAllStandardError().toStdString();
    return run;
}

ToolRun runLibreOffice(const std::string& profile, const std::vector<std::string>& args)
{
    static std::set<std::string> started;
    const std::string installation = "-env:UserInstallation=file://" + profile;
    if (started.insert(profile).second) {
        const std::string tiny = profile + "-warmup.txt";
        testenv::writeText(tiny, "warm-up\n");
        runTool("/usr/bin/soffice", {"--headless", installation, "--convert-to", "odt", "--outdir",
                                     profile + "-warmup", tiny});
    }
    std::vector<std::string> all{"--headless", installation};
    all.insert(all.end(), args.begin(), args.end());
    return runTool("/usr/bin/soffice", all);
}

QJsonObject exportCheck(const std::string& command, const std::string& file,
                        const std::vector<std::string>& args)
{
    std::vector<std::string> all{TERVANELO_TESTS_SOURCE "/project/exportcheck.py", command, file};
    all.insert(all.end(), args.begin(), args.end());
    const ToolRun run = runTool("/usr/bin/python3", all);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

void buildGridSurvey(TomoDocument& doc)
{
    doc.goephonesStringSet = {{{1000.0, 100.0}, {1002.0, 100.0}, {1004.0, 100.0}}};
    doc.prepareProfile();
    ASSERT_TRUE(doc.createGrid(3, 2, 2.0, 2));
    ASSERT_EQ(doc.grid->numberOfCells(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        doc.grid->cells[i].slowness = 1.0 / (500.0 * double(i + 1));
        doc.grid->cells[i].to_be_draw = i != 4;
    }
    doc.setGeoCoord(500000.0, 500004.0, 4649776.224, 4649776.224, 32633);
}

void buildPickedSurvey(TomoDocument& doc, int shots, int receivers, double maxPick,
                       const std::vector<std::string>& names)
{
    std::vector<Point2D> spread;
    for (int j = 0; j < receivers; ++j)
        spread.push_back({5.0 * j, 10.0});
    doc.goephonesStringSet = {spread};
    const double span = 5.0 * (receivers - 1);
    for (int k = 0; k < shots; ++k) {
        TraceSet set;
        set.fileName = "/data/survey/" + names.at(size_t(k));
        doc.traceSets.push_back(set);
        TravelTime record;
        record.indexStesa = 0;
        record.traceSetID = uint32_t(k);
        record.shotPos2d = {shots > 1 ? span * k / (shots - 1) : 0.0, 10.0};
        for (int j = 0; j < receivers; ++j) {
            const double t = maxPick * std::fabs(spread[size_t(j)].x - record.shotPos2d.x) / span;
            record.ttMisurati.push_back(t);
            record.ttCalcolati.push_back(t + 0.001);
        }
        doc.ttArray.push_back(record);
    }
}

} // namespace exporttest
