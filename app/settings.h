#pragma once
// The user settings and their file "Tervanelo_settings.xml" (a cereal XML
// archive with the fields at the root). Files of older versions load: the
// fields they lack keep their defaults.

#include <string>

namespace cereal
{
class XMLOutputArchive;
class XMLInputArchive;
} // namespace cereal

struct AppSettings {
    std::string settingsPath; // not stored in the file
    std::string language = "en";
    bool fillWiggle = true;
    bool zoomIn = false;
    bool cutHorizontal = true;
    bool showFiltered = true;
    bool showAllTraces = false;
    bool twoColors = false;
    bool savePngHColorbar = false;

    // The file's elements, in file order.
    void save(cereal::XMLOutputArchive& archive) const;
    // By name, in any order. A missing "language" throws; missing flags keep
    // their values, and the version lacking them is said on the console.
    void load(cereal::XMLInputArchive& archive);

    bool fileIsReadable() const;
    // False when the file is unreadable, malformed or has no "language";
    // fields read before the failure keep their new values.
    bool loadSettings();
    // Whole or not at all: false when the file cannot be written, with
    // *reason (when given) saying why; an older file then keeps its bytes.
    bool saveSettings(std::string* reason = nullptr) const;
    void setLanguage(const std::string& code) { language = code; }
};
