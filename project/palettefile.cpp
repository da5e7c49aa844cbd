#include "palettefile.h"

#include "targetfile.h"
#include "xmlarchive.h"

#include <cereal/archives/xml.hpp>
#include <cereal/types/string.hpp>
#include <cereal/types/vector.hpp>

#include <algorithm>
#include <sstream>

void GradientColorPoint::save(cereal::XMLOutputArchive& archive) const
{
    archive(cereal::make_nvp("mr", mr), cereal::make_nvp("mg", mg), cereal::make_nvp("mb", mb),
            cereal::make_nvp("mval", mval));
}

void GradientColorPoint::load(cereal::XMLInputArchive& archive)
{
    archive(cereal::make_nvp("mr", mr), cereal::make_nvp("mg", mg), cereal::make_nvp("mb", mb),
            cereal::make_nvp("mval", mval));
}

bool ColorPalette::save(cereal::XMLOutputArchive& archive) const
{
    try {
        // Insert each stop before the first with a greater mval; a repeated
        // mval keeps the stop that came first.
        std::vector<GradientColorPoint> stops;
        for (const GradientColorPoint& p : color_gradient.color) {
            const auto at =
                std::find_if(stops.begin(), stops.end(),
                             [&](const GradientColorPoint& q) { return q.mval >= p.mval; });
            if (at == stops.end() || at->mval != p.mval)
                stops.insert(at, p);
        }
        const int held = int(color_gradient.color.size());
        const int written = int(stops.size());
        archive(cereal::make_nvp("name", name), cereal::make_nvp("n_colors", held),
                cereal::make_nvp("is_editable", is_editable), cereal::make_nvp("min_db", min_db),
                cereal::make_nvp("max_db", max_db));
        archive.setNextName("color_gradient");
        archive.startNode();
        archive(cereal::make_nvp("n_colors", written), cereal::make_nvp("color", stops));
        archive.finishNode();
        return true;
    } catch (...) {
        return false;
    }
}

void loadPaletteRecord(ColorPalette& palette, cereal::XMLInputArchive& archive)
{
    // Both counts are derived; the stops are counted as the children of
    // "color", in file order.
    ColorPalette read;
    int ignoredCount = 0;
    archive(cereal::make_nvp("name", read.name), cereal::make_nvp("n_colors", ignoredCount),
            cereal::make_nvp("is_editable", read.is_editable),
            cereal::make_nvp("min_db", read.min_db), cereal::make_nvp("max_db", read.max_db));
    archive.setNextName("color_gradient");
    archive.startNode();
    archive(cereal::make_nvp("n_colors", ignoredCount),
            cereal::make_nvp("color", read.color_gradient.color));
    archive.finishNode();
    palette = std::move(read);
}

bool ColorPalette::load(cereal::XMLInputArchive& archive)
{
    try {
        loadPaletteRecord(*this, archive);
        return true;
    } catch (...) {
        return false;
    }
}

bool savePaletteFile(const ColorPalette& palette, const std::string& path, std::string* reason)
{
    std::ostringstream out;
    bool saved;
    {
        // The archive writes the document when it is destroyed.
        cereal::XMLOutputArchive archive(out);
        saved = palette.save(archive);
    }
    if (!saved || !out) {
        if (reason)
            *reason = "the palette could not be made";
        return false;
    }
    return writeWholeFile(path, out.str(), reason);
}

bool loadPaletteFile(ColorPalette& palette, const std::string& path)
{
    // The project's archives' checks first: cereal's parser recurses, and a
    // deeply nested file would overflow the stack. The palette dialog tells
    // the failure.
    ColorPalette read;
    const int result = readXmlArchive(
        path, nullptr, [&](cereal::XMLInputArchive& archive) { loadPaletteRecord(read, archive); },
        AfterRead::Keep);
    if (result != 0)
        return false;
    palette = std::move(read);
    return true;
}
