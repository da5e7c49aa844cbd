#include "refractiondatastructure.h"

#include "tomodocument.h"

#include <cmath>
#include <set>
#include <sstream>
#include <utility>

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
        const TravelTime& tt = document->ttArray[i];
        const size_t picks = tt.ttMisurati.size();
        if (picks == 0 || tt.indexStesa >= document->goephonesStringSet.size() ||
            document->goephonesStringSet[tt.indexStesa].size() != picks)
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

namespace
{
bool emptyOrLength(size_t n, const std::vector<double>& values)
{
    return values.empty() || values.size() == n;
}

bool resultsFit(const refractionDataStructure::processingData& results, size_t stations)
{
    if (results.cData.size() != 2 || !emptyOrLength(stations, results.v2) ||
        !emptyOrLength(stations, results.v3))
        return false;
    for (const auto& c : results.cData) {
        if (!emptyOrLength(stations, c.z) || !emptyOrLength(stations, c.tG) ||
            !emptyOrLength(stations, c.tV))
            return false;
        for (const auto* rows : {&c.tGs, &c.tVs})
            for (const auto& row : *rows)
                if (!emptyOrLength(stations, row))
                    return false;
    }
    return true;
}
} // namespace

void refractionDataStructure::resetFromDocument()
{
    initFromDocument();
    if (!resultsFit(refractData, phnt_A.front().pos.size())) {
        const double v1 = refractData.v1;
        refractData = processingData();
        refractData.v1 = v1;
    }
}

bool refractionDataStructure::isLayerRangeValid(uint32_t lo, uint32_t hi, uint32_t L,
                                                uint32_t shot) const
{
    if (L == 0)
        return true;
    if (lo > hi)
        std::swap(lo, hi);
    const TravelTime& tt = document->travelTimeAt(shot);
    const std::vector<Point2D>& receivers = document->spreadAt(tt.indexStesa);
    const std::vector<int32_t>& layers = ttLayer.at(shot).layer;
    const size_t n = layers.size();
    if (n == 0 || hi >= n)
        return false;
    const double sx = tt.shotPos2d.x;
    // A neighbour on the same side of the shot, at another distance, must not
    // break the order: farther ones may not hold less, nearer ones not more.
    const auto neighbourAllows = [&](size_t inRange, size_t neighbour) {
        const double xr = receivers.at(inRange).x;
        const double xn = receivers.at(neighbour).x;
        const bool sameSide = (xr < sx && xn < sx) || (xr > sx && xn > sx);
        const double dr = std::abs(xr - sx);
        const double dn = std::abs(xn - sx);
        if (!sameSide || dr == dn)
            return true;
        const int32_t ln = layers[neighbour];
        if (ln <= 0)
            return true;
        return dn > dr ? ln >= int32_t(L) : ln <= int32_t(L);
    };
    if (lo > 0 && !neighbourAllows(lo, lo - 1))
        return false;
    if (hi + 1 < n && !neighbourAllows(hi, hi + 1))
        return false;
    return true;
}

bool fitsDocument(const refractionDataStructure& r, const TomoDocument& document)
{
    std::vector<const refractionDataStructure::phantom*> phantoms;
    for (const auto* side : {&r.phnt_A, &r.phnt_R}) {
        if (!side->empty() && side->size() != 2)
            return false;
        for (const auto& p : *side)
            phantoms.push_back(&p);
    }
    const size_t stations = phantoms.empty() ? 0 : phantoms.front()->pos.size();
    for (const auto* p : phantoms) {
        if (p->pos.size() != stations || p->time.size() != stations)
            return false;
        for (size_t k = 0; k < stations; ++k)
            if (p->pos[k].x != phantoms.front()->pos[k].x)
                return false;
    }
    if (!resultsFit(r.refractData, stations))
        return false;
    if (r.ttLayer.size() != document.ttArray.size())
        return false;
    for (size_t i = 0; i < r.ttLayer.size(); ++i) {
        const auto& l = r.ttLayer[i];
        const uint32_t spread = document.ttArray[i].indexStesa;
        if (spread >= document.goephonesStringSet.size())
            return false;
        const size_t receivers = document.goephonesStringSet[spread].size();
        if ((!l.layer.empty() && l.layer.size() != receivers) ||
            (!l.trasla.empty() && l.trasla.size() != receivers))
            return false;
        for (int32_t layer : l.layer)
            if (layer < 0 || layer > 3)
                return false;
    }
    return true;
}

namespace
{
constexpr double largestValue = 1e6; // m, s and m/s alike

bool outOfRange(double v)
{
    return !std::isfinite(v) || std::abs(v) > largestValue;
}

bool anyOutOfRange(const std::vector<double>& values)
{
    for (double v : values)
        if (outOfRange(v))
            return true;
    return false;
}

bool isVelocity(double v)
{
    return v > 0.0 && v <= largestValue;
}

std::string number(double v)
{
    std::ostringstream text;
    text << v;
    return text.str();
}
} // namespace

std::string refractionValuesProblem(const refractionDataStructure& r, const TomoDocument& document)
{
    std::set<double> receivers;
    for (const TravelTime& tt : document.ttArray)
        if (tt.indexStesa < document.goephonesStringSet.size())
            for (const Point2D& p : document.goephonesStringSet[tt.indexStesa])
                receivers.insert(p.x);
    for (const auto* side : {&r.phnt_A, &r.phnt_R})
        for (const refractionDataStructure::phantom& p : *side) {
            for (const Point2D& station : p.pos) {
                if (outOfRange(station.x) || outOfRange(station.z))
                    return "a phantom station lies beyond 1e6 m or is not a number";
                if (!receivers.count(station.x))
                    return "the phantom station at " + number(station.x) +
                           " m is not a receiver of the survey";
            }
            if (anyOutOfRange(p.time) || outOfRange(p.a) || outOfRange(p.b) || outOfRange(p.TAB))
                return "a phantom time lies beyond 1e6 s or is not a number";
        }
    const refractionDataStructure::processingData& results = r.refractData;
    if (!std::isfinite(results.v1) || !(results.v1 == 0.0 || isVelocity(results.v1)))
        return "v1 is not a velocity in (0, 1e6] m/s";
    for (const auto* velocities : {&results.v2, &results.v3})
        for (double v : *velocities)
            if (!isVelocity(v))
                return "a refractor velocity is not in (0, 1e6] m/s";
    for (const auto& c : results.cData) {
        if (anyOutOfRange(c.z))
            return "a refractor depth lies beyond 1e6 m or is not a number";
        if (anyOutOfRange(c.tG) || anyOutOfRange(c.tV))
            return "a refractor time lies beyond 1e6 s or is not a number";
        for (const auto* rows : {&c.tGs, &c.tVs})
            for (const auto& row : *rows)
                if (anyOutOfRange(row))
                    return "a refractor time lies beyond 1e6 s or is not a number";
    }
    for (const refractionDataStructure::layerStruct& l : r.ttLayer)
        if (anyOutOfRange(l.trasla))
            return "a time shift lies beyond 1e6 s or is not a number";
    return {};
}
