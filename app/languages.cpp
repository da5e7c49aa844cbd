#include "languages.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString languageCodeOf(const QString& fileName)
{
    QString code = fileName;
    const int dot = code.lastIndexOf('.');
    if (dot >= 0)
        code.truncate(dot);
    const int underscore = code.indexOf('_');
    return code.mid(underscore + 1);
}

LanguageList scanLanguages(const QString& folder)
{
    LanguageList languages;
    QDirIterator it(folder, QStringList{"*.qm"}, QDir::Files);
    while (it.hasNext()) {
        const QString fileName = QFileInfo(it.next()).fileName();
        languages.emplace_back(languageCodeOf(fileName), fileName);
    }
    return languages;
}

QString languageDisplayName(const QString& code)
{
    QString name = QLocale(code).nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QTranslator* loadTranslator(const QString& folder, const QString& fileName)
{
    auto* translator = new QTranslator;
    if (translator->load(fileName, folder))
        return translator;
    delete translator;
    return nullptr;
}

QTranslator* loadQtTranslator(const QString& code)
{
    if (code == QLatin1String("en"))
        return nullptr;
    return loadTranslator(QLibraryInfo::location(QLibraryInfo::TranslationsPath),
                          QStringLiteral("qtbase_") + code);
}
