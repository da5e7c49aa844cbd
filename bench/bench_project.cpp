// Saving and opening a large project: 48 shots of 24 channels with 4,000
// samples per trace, every trace filtered (a traces.xml of about 230 MB), an
// inverted 240 x 60 grid. Counters:
//   - peak_MB: the process's peak resident memory during the save or open
//     (the survey itself included), above_MB: the part above what the
//     process held before;
//   - xml_s and zip_s (save): writing the XML archives, then copying the
//     shots and packing the zip;
//   - unzip_s and traces_s (open): unpacking the zip, reading traces.xml;
//   - wait_s (open): from "palettes read", when the log dialog closes, to the
//     end of the thread, which the window waits for in the join;
//   - project_MB: the size of the project file;
//   - save_ratio: the save's time over the time libzip alone takes to pack
//     the same entries at the same level (the reference, pack_s);
//     open_ratio: the open's time over the time libzip alone takes to unpack
//     them into files (unpack_s). Both references run in the same process,
//     right after the timed run;
//   - memory_ratio: above_MB over the size of the project file, the memory
//     a save or an open takes above the survey for each byte it stores.
// TERVANELO_BENCH_SHOTS sets a smaller survey (the short run under the
// sanitizers uses 4 shots).

#include "colorpalette.h"
#include "grid.h"
#include "load_project.h"
#include "refractiondatastructure.h"
#include "save_project.h"
#include "tomodocument.h"

#include "residentmemory.h"

#include <benchmark/benchmark.h>
#include <zip.h>

#include <QDir>
#include <QStringList>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace
{

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int channels = 24;
constexpr int samplesPerTrace = 4000;

int shotCount()
{
    const char* shots = std::getenv("TERVANELO_BENCH_SHOTS");
    return shots ? std::max(1, std::atoi(shots)) : 48;
}

// ---- a minimal SEG2 writer: little-endian, 4-byte float samples ------------
void put16(std::string& out, uint16_t v)
{
    out.append(reinterpret_cast<const char*>(&v), 2);
}
void put32(std::string& out, uint32_t v)
{
    out.append(reinterpret_cast<const char*>(&v), 4);
}

std::string stringList(const std::vector<std::string>& texts)
{
    std::string out;
    for (const std::string& t : texts) {
        put16(out, uint16_t(2 + t.size() + 1));
        out += t;
        out += '\0';
    }
    put16(out, 0);
    out.resize((out.size() + 3) / 4 * 4, '\0');
    return out;
}

std::string seg2Shot(double sourceX, const std::vector<double>& receivers, int seed)
{
    std::vector<std::string> blocks;
    for (size_t c = 0; c < receivers.size(); ++c) {
        const std::string text =
            stringList({"SAMPLE_INTERVAL 0.000125", "SOURCE_LOCATION " + std::to_string(sourceX),
                        "RECEIVER_LOCATION " + std::to_string(receivers[c])});
        std::string block;
        put16(block, 0x4422);
        put16(block, uint16_t(32 + text.size()));
        put32(block, uint32_t(samplesPerTrace * 4));
        put32(block, uint32_t(samplesPerTrace));
        block += char(4);
        block.append(19, '\0');
        block += text;
        for (int k = 0; k < samplesPerTrace; ++k) {
            const float v = float(std::sin(0.01 * k * (c + 1) + seed) * 1000.0);
            block.append(reinterpret_cast<const char*>(&v), 4);
        }
        blocks.push_back(block);
    }
    const std::string fileText = stringList({"TRACE_SORT AS_ACQUIRED", "UNITS METERS"});
    std::string file;
    put16(file, 0x3A55);
    put16(file, 1);
    put16(file, uint16_t(4 * blocks.size()));
    put16(file, uint16_t(blocks.size()));
    file += char(1);
    file += std::string(2, '\0');
    file += char(1);
    file += std::string("\x0a\x00", 2);
    file.append(18, '\0');
    uint32_t offset = uint32_t(32 + 4 * blocks.size() + fileText.size());
    for (const std::string& b : blocks) {
        put32(file, offset);
        offset += uint32_t(b.size());
    }
    file += fileText;
    for (const std::string& b : blocks)
        file += b;
    return file;
}

// ---- the survey ----------------------------------------------------------------
struct Survey {
    fs::path dir;
    TomoDocument document;
    ColorPaletteList palettes;
    std::unique_ptr<refractionDataStructure> refraction;
};

Survey* made = nullptr;

Survey& survey()
{
    if (made)
        return *made;
    Survey* s = made = new Survey;
    std::cout.setstate(std::ios::failbit); // the loaders' progress lines
    char pattern[] = "/tmp/tervanelo-bench-project-XXXXXX";
    s->dir = mkdtemp(pattern);
    std::vector<double> receivers;
    for (int c = 0; c < channels; ++c)
        receivers.push_back(2.0 * c);
    QStringList files;
    const int shots = shotCount();
    for (int i = 0; i < shots; ++i) {
        const fs::path file = s->dir / ("shot" + std::to_string(i) + ".sg2");
        std::ofstream(file, std::ios::binary) << seg2Shot(-1.0 + 48.0 * i / shots, receivers, i);
        files << QString::fromStdString(file.string());
    }
    TomoDocument& doc = s->document;
    if (doc.loadSeismicFiles(files) != 0)
        std::abort();
    doc.buildTravelTimes();
    for (TraceSet& set : doc.traceSets) {
        for (Trace& t : set.traces) {
            t.filtered.resize(t.samples.size());
            for (size_t k = 0; k < t.samples.size(); ++k)
                t.filtered[k] = t.samples[k] * 0.731 + std::cos(0.3 * k);
        }
        set.hasFiltered = true;
    }
    for (TravelTime& tt : doc.ttArray)
        for (size_t j = 0; j < tt.ttMisurati.size(); ++j) {
            tt.ttMisurati[j] = 0.001 * j + 0.0123;
            tt.ttCalcolati[j] = 0.001 * j + 0.0121;
        }
    // An inverted 240 x 60 grid over the line.
    const double length = doc.prepareProfile();
    doc.createGrid(240, 60, length / 240.0, 6);
    for (size_t k = 0; k < doc.grid->cells.size(); ++k)
        doc.grid->cells[k].slowness = 1.0 / (400.0 + 3.7 * double(k % 997));
    doc.has_tomographic_info = true;
    doc.RMSE_tomography = 2.75;
    doc.resetInfoDensity();
    for (size_t k = 0; k < doc.info_density.size(); ++k)
        doc.info_density[k] = double(k) / 7.0;

    for (int i = 0; i < 10; ++i) {
        ColorPalette p;
        p.name = "palette " + std::to_string(i);
        p.is_editable = i == 9;
        p.color_gradient.color = {{0, 0, 1, 0}, {0, 1, 0, 0.5}, {1, 0, 0, 1}};
        s->palettes.palettes.push_back(p);
    }
    s->refraction = std::make_unique<refractionDataStructure>(&doc);
    s->refraction->initFromDocument();
    std::cout.clear();
    return *s;
}

// Resets the peak resident memory that residentMB("VmHWM:") reports.
void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

double seconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

// The reference runs: libzip alone, with nothing of ours around it.
// Unpacks every entry of zipPath into dir; returns the paths in entry order.
std::vector<std::string> unpackAlone(const std::string& zipPath, const std::string& dir)
{
    std::vector<std::string> files;
    int code = 0;
    zip_t* archive = zip_open(zipPath.c_str(), ZIP_RDONLY, &code);
    if (!archive)
        return files;
    std::vector<char> buffer(1 << 20);
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const std::string path = dir + zip_get_name(archive, zip_uint64_t(i), 0);
        zip_file_t* entry = zip_fopen_index(archive, zip_uint64_t(i), 0);
        std::FILE* out = std::fopen(path.c_str(), "wb");
        for (zip_int64_t n;
             entry && out && (n = zip_fread(entry, buffer.data(), buffer.size())) > 0;)
            std::fwrite(buffer.data(), 1, size_t(n), out);
        if (out)
            std::fclose(out);
        if (entry)
            zip_fclose(entry);
        files.push_back(path);
    }
    zip_discard(archive);
    return files;
}

// Packs files as the project's entries are packed: deflate, level 1.
void packAlone(const std::vector<std::string>& files, const std::string& zipPath)
{
    int code = 0;
    zip_t* archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return;
    for (const std::string& file : files) {
        zip_source_t* source = zip_source_file(archive, file.c_str(), 0, 0);
        const std::string name = file.substr(file.find_last_of('/') + 1);
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
        zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 1);
    }
    zip_close(archive);
}

void BM_SaveProject(benchmark::State& state)
{
    Survey& s = survey();
    const std::string root = (s.dir / "work").string() + "/";
    QDir().mkpath(QString::fromStdString(root));
    const std::string project = (s.dir / "survey.tervo").string();
    double peak = 0, above = 0, xml = 0, zip = 0, total = 0;
    for (auto _ : state) {
        ProjectWriter writer;
        Clock::time_point start, palettes, compressed;
        QObject::connect(&writer, &ProjectWriter::saved_palettes, [&] { palettes = Clock::now(); });
        QObject::connect(&writer, &ProjectWriter::saved_compressed,
                         [&] { compressed = Clock::now(); });
        const double before = residentMB("VmRSS:");
        resetPeak();
        std::cout.setstate(std::ios::failbit);
        start = Clock::now();
        int result = -1;
        std::thread worker([&] {
            result = saveProjectThreadEntry(&writer, project, root, &s.document, s.refraction.get(),
                                            s.palettes);
        });
        worker.join();
        std::cout.clear();
        if (result != 0)
            state.SkipWithError("the save failed");
        peak = residentMB("VmHWM:");
        above = peak - before;
        xml = seconds(start, palettes);
        zip = seconds(palettes, compressed);
        total = seconds(start, Clock::now());
        benchmark::DoNotOptimize(result);
    }
    const std::string entries = (s.dir / "entries").string() + "/";
    fs::create_directories(entries);
    const std::vector<std::string> files = unpackAlone(project, entries);
    const Clock::time_point packStart = Clock::now();
    packAlone(files, (s.dir / "reference.zip").string());
    const double pack = seconds(packStart, Clock::now());
    fs::remove_all(entries);
    fs::remove(s.dir / "reference.zip");
    state.counters["peak_MB"] = peak;
    state.counters["above_MB"] = above;
    state.counters["xml_s"] = xml;
    state.counters["zip_s"] = zip;
    state.counters["pack_s"] = pack;
    state.counters["save_ratio"] = total / pack;
    const double projectMB = double(fs::file_size(project)) / (1024.0 * 1024.0);
    state.counters["project_MB"] = projectMB;
    state.counters["memory_ratio"] = above / projectMB;
}

void BM_OpenProject(benchmark::State& state)
{
    Survey& s = survey();
    const std::string root = (s.dir / "work").string() + "/";
    QDir().mkpath(QString::fromStdString(root));
    const std::string project = (s.dir / "survey.tervo").string();
    if (!fs::exists(project)) {
        ProjectWriter writer;
        std::cout.setstate(std::ios::failbit);
        writer.saveProject(project, root, &s.document, s.refraction.get(), s.palettes);
        std::cout.clear();
    }
    double peak = 0, above = 0, wait = 0, unzip = 0, traces = 0, total = 0;
    for (auto _ : state) {
        auto document = std::make_unique<TomoDocument>();
        Grid grid;
        std::vector<double> velocities;
        std::vector<bool> flags;
        ColorPaletteList palettes;
        refractionDataStructure refraction(document.get());
        projectReader reader;
        Clock::time_point start, unpacked, gridRead, tracesRead, palettesRead;
        QObject::connect(&reader, &projectReader::read_compressed,
                         [&] { unpacked = Clock::now(); });
        QObject::connect(&reader, &projectReader::read_grid, [&] { gridRead = Clock::now(); });
        QObject::connect(&reader, &projectReader::read_traces, [&] { tracesRead = Clock::now(); });
        QObject::connect(&reader, &projectReader::read_palettes,
                         [&] { palettesRead = Clock::now(); });
        const double before = residentMB("VmRSS:");
        resetPeak();
        std::cout.setstate(std::ios::failbit);
        int result = -1;
        start = Clock::now();
        std::thread worker([&] {
            result = loadProjectThreadEntry(&reader, project, root, document.get(), &grid,
                                            &velocities, &flags, &refraction, &palettes);
        });
        worker.join();
        const Clock::time_point joined = Clock::now();
        std::cout.clear();
        if (result != 0)
            state.SkipWithError("the open failed");
        peak = residentMB("VmHWM:");
        above = peak - before;
        wait = seconds(palettesRead, joined);
        unzip = seconds(start, unpacked);
        traces = seconds(gridRead, tracesRead);
        total = seconds(start, joined);
        benchmark::DoNotOptimize(result);
    }
    const std::string entries = (s.dir / "entries").string() + "/";
    fs::create_directories(entries);
    const Clock::time_point unpackStart = Clock::now();
    unpackAlone(project, entries);
    const double unpack = seconds(unpackStart, Clock::now());
    fs::remove_all(entries);
    state.counters["unpack_s"] = unpack;
    state.counters["open_ratio"] = total / unpack;
    state.counters["memory_ratio"] = above / (double(fs::file_size(project)) / (1024.0 * 1024.0));
    state.counters["peak_MB"] = peak;
    state.counters["above_MB"] = above;
    state.counters["wait_s"] = wait;
    state.counters["unzip_s"] = unzip;
    state.counters["traces_s"] = traces;
}

BENCHMARK(BM_SaveProject)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_OpenProject)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (made)
        fs::remove_all(made->dir);
    return 0;
}
