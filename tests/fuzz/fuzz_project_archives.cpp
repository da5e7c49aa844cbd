// Feeds the same bytes, as a file, to the readers of the project's document
// archives: tomodoc.xml, grid.xml and traces.xml. Each must return 0 or 1
// and never crash or run away with memory, whatever the file holds.

#include "grid.h"
#include "load_project.h"
#include "tomodocument.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string dir = [] {
        char pattern[] = "/tmp/tervanelo-fuzz-project-XXXXXX";
        std::cerr.setstate(std::ios::failbit);
        std::cout.setstate(std::ios::failbit);
        return std::string(mkdtemp(pattern)) + "/";
    }();
    // The readers delete a file they have read.
    const auto put = [&](const char* name) {
        std::ofstream(dir + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(data), std::streamsize(size));
        return dir + name;
    };
    const auto check = [](int result) {
        if (result != 0 && result != 1)
            std::abort();
    };

    projectReader reader;
    TomoDocument document;
    check(reader.loadTomoDocument_XML(put("tomodoc.xml"), &document));
    Grid grid;
    std::vector<double> velocities;
    std::vector<bool> flags;
    check(reader.loadTomoDocumentGrid_XML(put("grid.xml"), &document, &grid, &velocities, &flags));
    if (velocities.size() != size_t(grid.righe) * grid.col || flags.size() != velocities.size())
        std::abort();
    std::vector<std::string> names, namesDX, namesSX;
    std::vector<double> positions;
    int waveType = 0;
    std::vector<TraceSet> sets;
    check(reader.loadTomoDocumentTraces_XML(put("traces.xml"), &names, &namesDX, &namesSX,
                                            &positions, &waveType, &sets));
    return 0;
}
