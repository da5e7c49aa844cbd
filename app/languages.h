#pragma once
// Interface languages: compiled translation files "lang_<code>.qm" in the
// resource folder ":/languages/".

#include <QString>

#include <utility>
#include <vector>

class QTranslator;

// (language code, translation file name), one per translation file.
using LanguageList = std::vector<std::pair<QString, QString>>;

// "lang_it.qm" gives "it": the name without its extension and without
// everything up to the first "_".
QString languageCodeOf(const QString& fileName);
// The translation files in folder, in the order the folder lists them.
LanguageList scanLanguages(const QString& folder);
// The language's own name for itself with a capital first letter ("Italiano").
QString languageDisplayName(const QString& code);
// A translator loaded from folder + fileName, or null when the file does not
// load; nothing is installed.
QTranslator* loadTranslator(const QString& folder, const QString& fileName);
// Qt's own catalogue of the language ("qtbase_it" for "it", from Qt's
// translations folder: qttranslations5-l10n), or null for English, whose
// texts are Qt's sources, and when the catalogue is not installed.
QTranslator* loadQtTranslator(const QString& code);
