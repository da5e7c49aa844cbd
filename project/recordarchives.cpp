// Archive forms of the document and refraction records. Every value is named;
// a record's elements are written in the order listed here, and read by name.

#include "grid.h"
#include "records.h"
#include "refractiondatastructure.h"

#include <cereal/archives/xml.hpp>
#include <cereal/types/string.hpp>
#include <cereal/types/vector.hpp>

#include <iostream>

using cereal::make_nvp;

void Point2D::save(cereal::XMLOutputArchive& archive) const
{
    archive(make_nvp("x", x), make_nvp("z", z));
}

void Point2D::load(cereal::XMLInputArchive& archive)
{
    archive(make_nvp("x", x), make_nvp("z", z));
}

void TravelTime::save(cereal::XMLOutputArchive& archive) const
{
    archive(make_nvp("indexStesa", indexStesa), make_nvp("shotPos2d", shotPos2d),
            make_nvp("ttMisurati", ttMisurati), make_nvp("ttCalcolati", ttCalcolati),
            make_nvp("traceSetID", traceSetID));
}

void TravelTime::load(cereal::XMLInputArchive& archive)
{
    archive(make_nvp("indexStesa", indexStesa), make_nvp("shotPos2d", shotPos2d),
            make_nvp("ttMisurati", ttMisurati), make_nvp("ttCalcolati", ttCalcolati),
            make_nvp("traceSetID", traceSetID));
}

void geographicsCoord::save(cereal::XMLOutputArchive& archive) const
{
    archive(make_nvp("mEastFstGeoph", mEastFstGeoph), make_nvp("mEastLstGeoph", mEastLstGeoph),
            make_nvp("mNorthFstGeoph", mNorthFstGeoph), make_nvp("mNorthLstGeoph", mNorthLstGeoph),
            make_nvp("CRS", CRS));
}

void geographicsCoord::load(cereal::XMLInputArchive& archive)
{
    archive(make_nvp("mEastFstGeoph", mEastFstGeoph), make_nvp("mEastLstGeoph", mEastLstGeoph),
            make_nvp("mNorthFstGeoph", mNorthFstGeoph), make_nvp("mNorthLstGeoph", mNorthLstGeoph));
    // cereal throws for a missing name before it enters any element, so the
    // archive is still in place; a value that does not convert throws
    // std::invalid_argument, which fails the file.
    try {
        archive(make_nvp("CRS", CRS));
    } catch (const cereal::Exception& e) {
        std::cerr << e.what() << " CRS not set" << std::endl;
        CRS = 0;
    }
}

void Grid::save(cereal::XMLOutputArchive& archive) const
{
    std::vector<double> velocities;
    std::vector<bool> toBeDraw;
    velocities.reserve(cells.size());
    toBeDraw.reserve(cells.size());
    for (const GridCell& cell : cells) {
        velocities.push_back(cell.slowness);
        toBeDraw.push_back(cell.to_be_draw);
    }
    archive(make_nvp("righe", righe), make_nvp("col", col), make_nvp("nV", nV),
            make_nvp("aLato", aLato), make_nvp("velocities", velocities),
            make_nvp("to_be_draw", toBeDraw));
}

void refractionDataStructure::phantom::save(cereal::XMLOutputArchive& archive) const
{
    archive(make_nvp("pos", pos), make_nvp("time", time), make_nvp("a", a), make_nvp("b", b),
            make_nvp("TAB", TAB));
}

void refractionDataStructure::phantom::load(cereal::XMLInputArchive& archive)
{
    archive(make_nvp("pos", pos), make_nvp("time", time), make_nvp("a", a), make_nvp("b", b),
            make_nvp("TAB", TAB));
}

void refractionDataStructure::processingData::computedData::save(
    cereal::XMLOutputArchive& archive) const
{
    archive(make_nvp("z", z), make_nvp("tG", tG), make_nvp("tV", tV), make_nvp("tGs", tGs),
            make_nvp("tVs", tVs));
}

void refractionDataStructure::processingData::computedData::load(cereal::XMLInputArchive& archive)
{
    archive(make_nvp("z", z), make_nvp("tG", tG), make_nvp("tV", tV), make_nvp("tGs", tGs),
            make_nvp("tVs", tVs));
}

void refractionDataStructure::processingData::save(cereal::XMLOutputArchive& archive) const
{
    archive(make_nvp("cData", cData), make_nvp("v1", v1), make_nvp("v2", v2), make_nvp("v3", v3));
}

void refractionDataStructure::processingData::load(cereal::XMLInputArchive& archive)
{
    archive(make_nvp("cData", cData), make_nvp("v1", v1), make_nvp("v2", v2), make_nvp("v3", v3));
}

void refractionDataStructure::layerStruct::save(cereal::XMLOutputArchive& archive) const
{
    archive(make_nvp("shotID", shotID), make_nvp("layer", layer), make_nvp("trasla", trasla),
            make_nvp("enabled", enabled));
}

void refractionDataStructure::layerStruct::load(cereal::XMLInputArchive& archive)
{
    archive(make_nvp("shotID", shotID), make_nvp("layer", layer), make_nvp("trasla", trasla));
    // As for "CRS": a missing name throws before any element is entered.
    // A bool that does not convert reads as false without throwing.
    try {
        archive(make_nvp("enabled", enabled));
    } catch (const cereal::Exception&) {
        enabled = true;
    }
}
