#pragma once
// The layered models written by tests/fixtures/refraction/make_models.py, as
// a survey document: one spread of the model's receivers, one travel-time
// record per shot, and the layer of each first arrival.

#include "refractiondatastructure.h"
#include "testenv.h"
#include "tomodocument.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace refractionmodels
{
struct Shot {
    double x = 0;
    std::vector<double> times;
    std::vector<int32_t> layers;
};

struct Model {
    std::vector<double> receivers;
    std::vector<Shot> shots;
};

inline Model read(const std::string& name)
{
    const std::string path = testenv::fixture("refraction/" + name);
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    Model m;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string first;
        fields >> first;
        if (first == "shot") {
            m.shots.emplace_back();
            fields >> m.shots.back().x;
            continue;
        }
        double t = 0;
        int32_t layer = 0;
        fields >> t >> layer;
        if (m.shots.size() == 1)
            m.receivers.push_back(std::stod(first));
        m.shots.back().times.push_back(t);
        m.shots.back().layers.push_back(layer);
    }
    return m;
}

// Fills the document (ground at 100 m) and gives the data its layers.
inline void load(const Model& m, TomoDocument& doc, refractionDataStructure& data)
{
    std::vector<Point2D> spread;
    for (double x : m.receivers)
        spread.push_back({x, 100.0});
    doc.goephonesStringSet = {spread};
    doc.ttArray.clear();
    for (const Shot& s : m.shots) {
        TravelTime tt;
        tt.indexStesa = 0;
        tt.shotPos2d = {s.x, 100.0};
        tt.ttMisurati = s.times;
        tt.ttCalcolati.assign(s.times.size(), 0.0);
        doc.ttArray.push_back(tt);
    }
    data.document = &doc;
    data.initFromDocument();
    for (size_t i = 0; i < m.shots.size(); ++i)
        data.ttLayer[i].layer = m.shots[i].layers;
}
} // namespace refractionmodels
