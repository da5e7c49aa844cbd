#include "refractiondatastructure.h"

#include "tomodocument.h"

namespace
{
// Adds every receiver x not yet present to the stations of both phantoms of
// one side, keeping x ascending. Positions are compared exactly.
void addStations(std::vector<refractionDataStructure::phantom>& side,
                 const std::vector<Point2D>& receivers)
{
    for (const Point2D& r : receivers) {
        const std::vector<Point2D>& stations = side[1].pos;
        size_t at = 0;
        while (at < stations.size() && stations[at].x < r.x)
            ++at;
        if (at < stations.size() && stations[at].x == r.x)
            continue;
        for (refractionDataStructure::phantom& p : side) {
            p.pos.insert(p.pos.begin() + std::ptrdiff_t(at), r);
            p.time.push_back(refractionDataStructure::NoTime);
        }
    }
}
} // namespace

void refractionDataStructure::initFromDocument()
{
    phnt_A.assign(2, phantom());
    phnt_R.assign(2, phantom());
    ttLayer.assign(document->ttArray.size(), layerStruct());
    for (size_t i = 0; i < document->ttArray.size(); ++i) {
        const size_t picks = document->ttArray[i].ttMisurati.size();
        if (picks == 0)
            continue;
        ttLayer[i].shotID = uint32_t(i);
        ttLayer[i].layer.assign(picks, 0);
        ttLayer[i].trasla.assign(picks, 0.0);
    }
    for (const TravelTime& tt : document->ttArray)
        addStations(phnt_A, document->spreadAt(tt.indexStesa));
    // Both phantom lists start from the same stations.
    phnt_R = phnt_A;
}
