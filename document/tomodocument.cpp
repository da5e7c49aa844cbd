#include "tomodocument.h"

#include "Splines.hh"
#include "grid.h"
#include "refractiondatastructure.h"

#include <algorithm>
#include <cmath>

TomoDocument::TomoDocument(Logger* logger) : logger(logger) {}
TomoDocument::~TomoDocument() = default;
TomoDocument::TomoDocument(TomoDocument&&) noexcept = default;
TomoDocument& TomoDocument::operator=(TomoDocument&&) noexcept = default;

bool TomoDocument::shotHasPicks(const refractionDataStructure* refraction, uint8_t i) const
{
    const auto& times = refraction->phnt_A.at(i).time;
    return std::any_of(times.begin(), times.end(), [](double t) { return t > 0.0; });
}

bool TomoDocument::hasGeometry() const
{
    bool any = false;
    double lo = 0.0, hi = 0.0;
    for (const auto& spread : goephonesStringSet)
        for (const Point2D& p : spread) {
            if (!any) {
                lo = hi = p.x;
                any = true;
            }
            lo = std::min(lo, p.x);
            hi = std::max(hi, p.x);
        }
    return !any || lo != hi;
}

bool TomoDocument::hasPicks() const
{
    for (const TravelTime& tt : ttArray)
        for (double t : tt.ttMisurati)
            if (t != Pick::NotPicked)
                return true;
    return false;
}

bool TomoDocument::mostlyPicked() const
{
    size_t picked = 0, all = 0;
    for (const TravelTime& tt : ttArray) {
        all += tt.ttMisurati.size();
        picked += std::count_if(tt.ttMisurati.begin(), tt.ttMisurati.end(),
                                [](double t) { return t != Pick::NotPicked; });
    }
    return all > 0 && picked > all / 2;
}

void TomoDocument::clearTopographyPoints()
{
    std::vector<double>().swap(topographyX);
    std::vector<double>().swap(topographyZ);
}

void TomoDocument::setPickTime(uint32_t shot, uint32_t receiver, double time)
{
    ttArray.at(shot).ttMisurati.at(receiver) = time;
}

void TomoDocument::setGeoCoord(double eastFirst, double eastLast, double northFirst,
                               double northLast, uint32_t epsg)
{
    geoCoord.mEastFstGeoph = eastFirst;
    geoCoord.mEastLstGeoph = eastLast;
    geoCoord.mNorthFstGeoph = northFirst;
    geoCoord.mNorthLstGeoph = northLast;
    geoCoord.CRS = epsg;
    geoCoord_isSet = true;
}

void geographicsCoord::toEastingNorthing(double s, double& east, double& north) const
{
    const double dE = mEastLstGeoph - mEastFstGeoph;
    const double dN = mNorthLstGeoph - mNorthFstGeoph;
    const double L = std::sqrt(dN * dN + dE * dE);
    const double uE = dE != 0.0 ? dE / std::fabs(L) : 0.0;
    const double uN = dN != 0.0 ? dN / std::fabs(L) : 0.0;
    east = uE * s + mEastFstGeoph;
    north = uN * s + mNorthFstGeoph;
}
