#pragma once
// Projected map coordinates to WGS84 longitude and latitude through PROJ.
// The transformation is normalised for visualisation: whatever axis order
// the EPSG definition gives (northing-first systems such as 6708 or 31466
// exist), points go in as (easting, northing) and come out as (longitude,
// latitude). Uses PROJ's default context: GUI thread only.

#include <cstdint>
#include <memory>

struct PJconsts;

struct GeoPoint {
    double lon = 0.0; // degrees
    double lat = 0.0; // degrees
    bool isFinite() const;
};

class GeoTransform
{
public:
    GeoTransform(const GeoTransform&) = delete;
    GeoTransform& operator=(const GeoTransform&) = delete;
    GeoTransform(GeoTransform&&) noexcept;
    GeoTransform& operator=(GeoTransform&&) noexcept;
    ~GeoTransform();

    // True when the source system is a projected one (metres along the line
    // can then be added to its coordinates).
    bool sourceIsProjected() const;
    PJconsts* get() const { return pj; }

private:
    friend std::unique_ptr<GeoTransform> createGeoTransform(uint32_t epsg);
    explicit GeoTransform(PJconsts* p) : pj(p) {}
    PJconsts* pj = nullptr;
};

// "EPSG:<code>" to "EPSG:4326"; "PROJ" goes to standard error first. Null when
// PROJ knows no such system (codes 0 or 999999, say).
std::unique_ptr<GeoTransform> createGeoTransform(uint32_t epsg);

// One point; PROJ marks failures (a point outside the projection) with
// HUGE_VAL, so check isFinite().
GeoPoint transformGeoPoint(const GeoTransform& transform, double easting, double northing);
