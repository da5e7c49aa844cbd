#pragma once
// Results of the layered refraction analysis: layer assignments, forward and
// reverse phantoms and the last build's velocities and depths. Plain data.
// A refractor layer L (2 or 3) maps to index L - 2 of phnt_A, phnt_R and cData.

#include "records.h"

#include <cstdint>
#include <string>
#include <vector>

class TomoDocument;
namespace cereal
{
class XMLOutputArchive;
class XMLInputArchive;
} // namespace cereal

// The archive forms (save and load) are defined with the project files
// (project/recordarchives.cpp), which every user of them links.
struct refractionDataStructure {
    // Composite travel-time curve of one refractor seen from one side.
    struct phantom {
        std::vector<Point2D> pos; // stations, ascending x
        std::vector<double> time; // s; 0 or less means no time
        double a = 0.0;           // slope of the reference line (s/m)
        double b = 0.0;           // its intercept (s)
        double TAB = 0.0;         // reciprocal time (s)

        void save(cereal::XMLOutputArchive& archive) const;
        void load(cereal::XMLInputArchive& archive);
    };

    struct processingData {
        struct computedData {
            std::vector<double> z; // refractor depth per station; 0 or less = none
            std::vector<double> tG;
            std::vector<double> tV;
            std::vector<std::vector<double>> tGs;
            std::vector<std::vector<double>> tVs;

            void save(cereal::XMLOutputArchive& archive) const;
            void load(cereal::XMLInputArchive& archive);
        };

        std::vector<computedData> cData = std::vector<computedData>(2);
        std::vector<double> v2;
        std::vector<double> v3;
        double v1 = 0.0;

        // Written in the order "cData", "v1", "v2", "v3".
        void save(cereal::XMLOutputArchive& archive) const;
        void load(cereal::XMLInputArchive& archive);
    };

    // Layer assignment of one shot.
    struct layerStruct {
        uint32_t shotID = 0;
        std::vector<int32_t> layer; // 0 none, 1 direct, 2 and 3 refractors
        std::vector<double> trasla; // time shift per receiver (s)
        bool enabled = true;

        void save(cereal::XMLOutputArchive& archive) const;
        // A record without "enabled" (older files) is enabled.
        void load(cereal::XMLInputArchive& archive);
    };

    static constexpr double NoTime = -99.9; // a phantom station without a time

    explicit refractionDataStructure(TomoDocument* document = nullptr) : document(document) {}

    // Rebuilds the layer records and the phantom stations from the document:
    // one layer record per travel-time record (lists sized to its picks, all
    // zero, enabled), and on both sides two phantoms whose stations are the
    // distinct receiver x of the spreads in use, ascending, each with the
    // elevation of the first spread that brought it and time NoTime. Earlier
    // assignments, shifts and phantom times are lost; refractData stays.
    // A spread index past the spreads throws std::out_of_range.
    // A record whose times list is not as long as its spread has no usable
    // picks here and gets empty lists, like a record without times.
    void initFromDocument();

    // initFromDocument, then the results are dropped when they no longer fit
    // the new stations (two empty cData, empty v2 and v3; v1 stays). The one
    // way back to a state that fitsDocument accepts.
    void resetFromDocument();

    // Whether receivers lo..hi (either order, inclusive) of record `shot` may
    // all take layer L without breaking the order "layers never decrease away
    // from the shot". Clearing (L 0) is always allowed. No for a record with
    // an empty layer list or hi past it. A shot index past the document's or
    // this data's records throws std::out_of_range.
    bool isLayerRangeValid(uint32_t lo, uint32_t hi, uint32_t L, uint32_t shot) const;

    std::vector<phantom> phnt_A; // forward phantoms, layer 2 first
    std::vector<phantom> phnt_R; // reverse phantoms
    processingData refractData;
    TomoDocument* document = nullptr; // not owned, not saved
    std::vector<layerStruct> ttLayer;
};

// The shape the analysis, its plots and the section overlay rely on when they
// index the data by shot and by station: one layer record per travel-time
// record on an existing spread, each layer and shift list empty or as long as
// its spread, layers 0..3, 0 or 2 phantoms per side on one station list, two
// cData entries and every result list empty or one value per station.
bool fitsDocument(const refractionDataStructure& data, const TomoDocument& document);

// For data that fitsDocument accepts: why their values cannot have come from
// the analysis of this survey, in plain words, or "" when they can. Every
// value must be finite; depths, stations and shifts lie within 1e6 m (or s),
// times within 1e6 s, velocities in (0, 1e6] m/s (v1 may be 0: not built),
// and every phantom station is a receiver position of the survey.
std::string refractionValuesProblem(const refractionDataStructure& data,
                                    const TomoDocument& document);
