#include "geotransform.h"

#include <proj.h>

#include <cmath>
#include <iostream>
#include <string>

bool GeoPoint::isFinite() const
{
    return std::isfinite(lon) && std::isfinite(lat);
}

GeoTransform::GeoTransform(GeoTransform&& o) noexcept : pj(o.pj)
{
    o.pj = nullptr;
}

GeoTransform& GeoTransform::operator=(GeoTransform&& o) noexcept
{
    if (this != &o) {
        if (pj)
            proj_destroy(pj);
        pj = o.pj;
        o.pj = nullptr;
    }
    return *this;
}

GeoTransform::~GeoTransform()
{
    if (pj)
        proj_destroy(pj);
}

bool GeoTransform::sourceIsProjected() const
{
    // The type of the transformation itself is an operation type: ask its source.
    PJ* source = proj_get_source_crs(nullptr, pj);
    if (!source)
        return false;
    const bool projected = proj_get_type(source) == PJ_TYPE_PROJECTED_CRS;
    proj_destroy(source);
    return projected;
}

std::unique_ptr<GeoTransform> createGeoTransform(uint32_t epsg)
{
    std::cerr << "PROJ" << std::endl;
    const std::string source = "EPSG:" + std::to_string(epsg);
    PJ* raw = proj_create_crs_to_crs(nullptr, source.c_str(), "EPSG:4326", nullptr);
    if (!raw)
        return nullptr;
    PJ* normalised = proj_normalize_for_visualization(nullptr, raw);
    proj_destroy(raw);
    if (!normalised)
        return nullptr;
    return std::unique_ptr<GeoTransform>(new GeoTransform(normalised));
}

GeoPoint transformGeoPoint(const GeoTransform& transform, double easting, double northing)
{
    const PJ_COORD in = proj_coord(easting, northing, 0.0, 0.0);
    const PJ_COORD out = proj_trans(transform.get(), PJ_FWD, in);
    return {out.xy.x, out.xy.y};
}
