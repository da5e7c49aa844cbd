#include "settings.h"

#include "targetfile.h"

#include <cereal/archives/xml.hpp>

#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>

void AppSettings::save(cereal::XMLOutputArchive& archive) const
{
    archive(cereal::make_nvp("language", language), cereal::make_nvp("zoomIn", zoomIn),
            cereal::make_nvp("cutHorizontal", cutHorizontal),
            cereal::make_nvp("fillWiggle", fillWiggle),
            cereal::make_nvp("showFiltered", showFiltered),
            cereal::make_nvp("showAllTraces", showAllTraces),
            cereal::make_nvp("savePngHColorbar", savePngHColorbar),
            cereal::make_nvp("twoColors", twoColors));
}

void AppSettings::load(cereal::XMLInputArchive& archive)
{
    archive(cereal::make_nvp("language", language));

    // Each group is what one version added; a file written before it lacks them.
    try {
        archive(cereal::make_nvp("zoomIn", zoomIn),
                cereal::make_nvp("cutHorizontal", cutHorizontal),
                cereal::make_nvp("fillWiggle", fillWiggle),
                cereal::make_nvp("showFiltered", showFiltered),
                cereal::make_nvp("showAllTraces", showAllTraces));
    } catch (const std::exception&) {
        std::cerr << "First time running version 2019.1. Some setting where not in." << std::endl;
        std::cerr << "Unknown settings set to default." << std::endl;
    }

    auto readNewer = [&archive](const char* name, bool& field, const char* version) {
        field = false;
        try {
            archive(cereal::make_nvp(name, field));
        } catch (const std::exception&) {
            std::cout << "First time running version " << version << ". Some setting where not in. "
                      << std::endl;
            std::cout << "Unknown settings set to default." << std::endl;
        }
    };
    readNewer("showAllTraces", showAllTraces, "2020.0");
    readNewer("savePngHColorbar", savePngHColorbar, "2020.0");
    readNewer("twoColors", twoColors, "2020.2");
}

bool AppSettings::fileIsReadable() const
{
    if (settingsPath.empty())
        return false;
    std::ifstream in(settingsPath);
    return in.is_open();
}

bool AppSettings::loadSettings()
{
    if (!fileIsReadable())
        return false;
    try {
        std::ifstream in(settingsPath);
        cereal::XMLInputArchive archive(in);
        load(archive);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool AppSettings::saveSettings(std::string* reason) const
{
    std::ostringstream out;
    {
        // The archive writes the document when it is destroyed.
        cereal::XMLOutputArchive archive(out, cereal::XMLOutputArchive::Options(17, true));
        save(archive);
    }
    // A truncated file would lose every setting: whole or not at all.
    return writeWholeFile(settingsPath, out.str(), reason);
}
