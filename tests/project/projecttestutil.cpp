#include "projecttestutil.h"

#include "grid.h"
#include "testenv.h"
#include "toolprocess.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstring>
#include <iostream>
#include <sstream>

namespace projecttest
{

void buildS2(Survey& survey, const std::string& shotDir)
{
    for (const char* name : {"s1.sg2", "s2.sg2"})
        QFile::copy(QString::fromStdString(testenv::fixture(std::string("project/") + name)),
                    QString::fromStdString(shotDir + "/" + name));
    TomoDocument& doc = survey.document;
    ASSERT_EQ(doc.loadSeismicFiles({QString::fromStdString(shotDir + "/s1.sg2"),
                                    QString::fromStdString(shotDir + "/s2.sg2")}),
              0);
    doc.goephonesStringSet = {{{0.0, 100.0}, {5.0, 101.0}, {10.0, 102.0}, {15.0, 103.0}}};
    TravelTime t1, t2;
    t1.indexStesa = 0;
    t1.traceSetID = 0;
    t1.shotPos2d = {-2.5, 100.0};
    t1.ttMisurati = {0.004, 0.012, 0.0205, 0.0};
    t1.ttCalcolati = {0.0041, 0.0119, 0.0203, 0.0297};
    t2.indexStesa = 0;
    t2.traceSetID = 1;
    t2.shotPos2d = {17.5, 103.0};
    t2.ttMisurati = {-99.0, 0.011, 0.00625, 0.002};
    t2.ttCalcolati = {0.0301, 0.0206, 0.0118, 0.0042};
    doc.ttArray = {t1, t2};

    TraceSet& filteredShot = doc.traceSets[1];
    for (Trace& trace : filteredShot.traces) {
        trace.filtered.resize(trace.samples.size());
        for (size_t k = 0; k < trace.filtered.size(); ++k)
            trace.filtered[k] = double(k + 1) / 7.0;
    }
    filteredShot.hasFiltered = true;

    // Grid x 0 to 24 m; the survey (-2.5 to 17.5) maps to 1 to 21.
    doc.buildTopography();
    const uint32_t rows = 3, columns = 4;
    std::vector<double> slowness;
    std::vector<bool> covered;
    for (uint32_t k = 0; k < rows * columns; ++k) {
        slowness.push_back(1.0 / (500.0 + 100.0 * k));
        covered.push_back(k % 3 != 1);
        doc.info_density.push_back(k / 3.0);
    }
    doc.grid = std::make_unique<Grid>(rows, columns, 6, 6.0, slowness, covered, *doc.topography);
    ASSERT_EQ(doc.grid->numberOfCells(), rows * columns);
    doc.has_tomographic_info = true;
    doc.RMSE_tomography = 3.25;
    doc.setGeoCoord(500000.125, 500047.875, 4649776.5, 4649790.25, 32633);
    doc.title = " Linea \xC3\xA8 & <1> ";

    survey.palettes = builtInPalettes();
    ColorPalette u1;
    u1.name = "U1";
    u1.is_editable = true;
    u1.min_db = 300.0;
    u1.max_db = 3000.0;
    u1.color_gradient.color = {{0.1, 0.2, 0.3, 0.0}, {0.9, 0.8, 1.0 / 3.0, 1.0}};
    ColorPalette u2;
    u2.name = "U2";
    u2.is_editable = true;
    u2.min_db = 250.0;
    u2.max_db = 3500.0;
    u2.color_gradient.color = {
        {1.0, 0.0, 0.0, 0.0}, {0.0, 1.0, 0.0, 50.0}, {0.0, 0.0, 1.0, 25.0}, {0.5, 0.5, 0.5, 50.0}};
    survey.palettes.palettes.push_back(u1);
    survey.palettes.palettes.push_back(u2);
    survey.palettes.curr_palette = 10;

    survey.refraction = std::make_unique<refractionDataStructure>(&doc);
    refractionDataStructure& r = *survey.refraction;
    r.initFromDocument();
    r.phnt_A[0].time = {0.01, 0.02, -99.9, 0.035};
    r.phnt_A[0].a = 1.0 / 3000.0;
    r.phnt_A[0].b = 0.005;
    r.phnt_A[0].TAB = 0.0987298;
    auto& c = r.refractData.cData[0];
    c.z = {2.5, 3.1, 2.9, 3.7};
    c.tG = {0.001, 0.0012, 0.0011, 0.0014};
    c.tV = {0.021, 0.0225, 0.024, 0.0262};
    for (int row = 0; row < 9; ++row) {
        c.tGs.push_back({0.001 * row, 0.1 / 3.0, -0.0, 1e-300});
        c.tVs.push_back({0.02 + row, 4.9e-324, 0.3, 1.0 / 7.0});
    }
    r.refractData.v1 = 500.0;
    r.refractData.v2 = {2000.0, 2010.0, 1990.0, 2005.0};
    r.ttLayer[0].layer = {1, 1, 2, 2};
    r.ttLayer[0].trasla = {0.0, 0.0, 0.001, 0.001};
    r.ttLayer[1].enabled = false;
}

void expectSameRecords(const TomoDocument& a, const TomoDocument& b)
{
    ASSERT_EQ(a.goephonesStringSet.size(), b.goephonesStringSet.size());
    for (size_t s = 0; s < a.goephonesStringSet.size(); ++s) {
        ASSERT_EQ(a.goephonesStringSet[s].size(), b.goephonesStringSet[s].size());
        for (size_t k = 0; k < a.goephonesStringSet[s].size(); ++k) {
            EXPECT_TRUE(sameBits(a.goephonesStringSet[s][k].x, b.goephonesStringSet[s][k].x));
            EXPECT_TRUE(sameBits(a.goephonesStringSet[s][k].z, b.goephonesStringSet[s][k].z));
        }
    }
    ASSERT_EQ(a.ttArray.size(), b.ttArray.size());
    for (size_t i = 0; i < a.ttArray.size(); ++i) {
        const TravelTime& x = a.ttArray[i];
        const TravelTime& y = b.ttArray[i];
        EXPECT_EQ(x.indexStesa, y.indexStesa);
        EXPECT_EQ(x.traceSetID, y.traceSetID);
        EXPECT_TRUE(sameBits(x.shotPos2d.x, y.shotPos2d.x));
        EXPECT_TRUE(sameBits(x.shotPos2d.z, y.shotPos2d.z));
        EXPECT_TRUE(sameBits(x.ttMisurati, y.ttMisurati)) << "record " << i;
        EXPECT_TRUE(sameBits(x.ttCalcolati, y.ttCalcolati)) << "record " << i;
    }
    EXPECT_EQ(a.has_tomographic_info, b.has_tomographic_info);
    EXPECT_EQ(a.geoCoord_isSet, b.geoCoord_isSet);
    EXPECT_TRUE(sameBits(a.geoCoord.mEastFstGeoph, b.geoCoord.mEastFstGeoph));
    EXPECT_TRUE(sameBits(a.geoCoord.mEastLstGeoph, b.geoCoord.mEastLstGeoph));
    EXPECT_TRUE(sameBits(a.geoCoord.mNorthFstGeoph, b.geoCoord.mNorthFstGeoph));
    EXPECT_TRUE(sameBits(a.geoCoord.mNorthLstGeoph, b.geoCoord.mNorthLstGeoph));
    EXPECT_EQ(a.geoCoord.CRS, b.geoCoord.CRS);
    EXPECT_TRUE(sameBits(a.RMSE_tomography, b.RMSE_tomography));
    EXPECT_TRUE(sameBits(a.info_density, b.info_density));
    EXPECT_EQ(a.title, b.title);
}

void expectSameRefraction(const refractionDataStructure& a, const refractionDataStructure& b)
{
    for (const auto& sides :
         {std::make_pair(&a.phnt_A, &b.phnt_A), std::make_pair(&a.phnt_R, &b.phnt_R)}) {
        ASSERT_EQ(sides.first->size(), sides.second->size());
        for (size_t i = 0; i < sides.first->size(); ++i) {
            const auto& p = (*sides.first)[i];
            const auto& q = (*sides.second)[i];
            ASSERT_EQ(p.pos.size(), q.pos.size());
            for (size_t k = 0; k < p.pos.size(); ++k)
                EXPECT_TRUE(sameBits({p.pos[k].x, p.pos[k].z}, {q.pos[k].x, q.pos[k].z}));
            EXPECT_TRUE(sameBits(p.time, q.time));
            EXPECT_TRUE(sameBits({p.a, p.b, p.TAB}, {q.a, q.b, q.TAB}));
        }
    }
    const auto& x = a.refractData;
    const auto& y = b.refractData;
    ASSERT_EQ(x.cData.size(), y.cData.size());
    for (size_t i = 0; i < x.cData.size(); ++i) {
        EXPECT_TRUE(sameBits(x.cData[i].z, y.cData[i].z));
        EXPECT_TRUE(sameBits(x.cData[i].tG, y.cData[i].tG));
        EXPECT_TRUE(sameBits(x.cData[i].tV, y.cData[i].tV));
        ASSERT_EQ(x.cData[i].tGs.size(), y.cData[i].tGs.size());
        ASSERT_EQ(x.cData[i].tVs.size(), y.cData[i].tVs.size());
        for (size_t row = 0; row < x.cData[i].tGs.size(); ++row)
            EXPECT_TRUE(sameBits(x.cData[i].tGs[row], y.cData[i].tGs[row]));
        for (size_t row = 0; row < x.cData[i].tVs.size(); ++row)
            EXPECT_TRUE(sameBits(x.cData[i].tVs[row], y.cData[i].tVs[row]));
    }
    EXPECT_TRUE(sameBits(x.v1, y.v1));
    EXPECT_TRUE(sameBits(x.v2, y.v2));
    EXPECT_TRUE(sameBits(x.v3, y.v3));
    ASSERT_EQ(a.ttLayer.size(), b.ttLayer.size());
    for (size_t i = 0; i < a.ttLayer.size(); ++i) {
        EXPECT_EQ(a.ttLayer[i].shotID, b.ttLayer[i].shotID);
        EXPECT_EQ(a.ttLayer[i].layer, b.ttLayer[i].layer);
        EXPECT_TRUE(sameBits(a.ttLayer[i].trasla, b.ttLayer[i].trasla));
        EXPECT_EQ(a.ttLayer[i].enabled, b.ttLayer[i].enabled);
    }
}

std::string projectZip(const std::vector<std::string>& arguments)
{
    QStringList args{QStringLiteral(TERVANELO_TESTS_SOURCE "/project/projectzip.py")};
    for (const std::string& a : arguments)
        args << QString::fromStdString(a);
    QProcess python;
    python.start("/usr/bin/python3", args);
    EXPECT_TRUE(testenv::waitForTool(python));
    const std::string errors = python.readAllStandardError().toStdString();
    EXPECT_EQ(python.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(python.exitCode(), 0) << errors;
    return python.readAllStandardOutput().toStdString();
}

QJsonObject checkProject(const std::string& project, const std::string& shotDir)
{
    std::vector<std::string> args{"check", project};
    if (!shotDir.empty())
        args.push_back(shotDir);
    return QJsonDocument::fromJson(QByteArray::fromStdString(projectZip(args))).object();
}

QJsonObject checkArchive(const std::string& entry, const std::string& file)
{
    return QJsonDocument::fromJson(
               QByteArray::fromStdString(projectZip({"check-xml", entry, file})))
        .object();
}

void editArchive(const std::string& file, const QJsonArray& operations)
{
    projectZip({"edit-xml", file, QJsonDocument(operations).toJson().toStdString()});
}

void editProject(const std::string& from, const std::string& to, const QJsonArray& operations)
{
    projectZip({"edit", from, to, QJsonDocument(operations).toJson().toStdString()});
}

std::string capturedErrors(const std::function<void()>& fn)
{
    std::ostringstream captured;
    std::streambuf* old = std::cerr.rdbuf(captured.rdbuf());
    fn();
    std::cerr.rdbuf(old);
    return captured.str();
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

std::vector<std::string> listing(const std::string& dir)
{
    std::vector<std::string> names;
    const QDir folder(QString::fromStdString(dir));
    if (!folder.exists())
        return {""};
    for (const QString& name : folder.entryList(
             QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name))
        names.push_back(name.toStdString());
    return names;
}
} // namespace projecttest
