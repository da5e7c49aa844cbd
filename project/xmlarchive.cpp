#include "xmlarchive.h"

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

namespace
{
// Empty when the text is fit for cereal's parser, else the reason.
std::string scanXml(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return "cannot be read";
    QXmlStreamReader xml(&file);
    int depth = 0;
    bool rootSeen = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (!rootSeen && xml.name() != QLatin1String("cereal"))
                return "the root element is not \"cereal\"";
            rootSeen = true;
            if (++depth > maxXmlDepth)
                return "elements nest deeper than " + std::to_string(maxXmlDepth) + " levels";
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    if (xml.hasError())
        return "not well-formed XML: " + xml.errorString().toStdString() + " at line " +
               std::to_string(xml.lineNumber());
    if (!rootSeen)
        return "no root element";
    return {};
}
} // namespace

int writeXmlArchive(const std::string& path, const char* what,
                    const std::function<void(cereal::XMLOutputArchive&)>& write)
{
    std::ofstream out(path, std::ios::trunc);
    bool written = static_cast<bool>(out);
    if (written) {
        try {
            cereal::XMLOutputArchive archive(out,
                                             cereal::XMLOutputArchive::Options(17, true, false));
            write(archive);
        } catch (const std::exception& e) {
            std::cerr << e.what() << std::endl;
            written = false;
        }
        out.close();
        written = written && !out.fail();
    }
    if (written)
        return 0;
    std::cerr << "[ERROR] Error in opening " << path << "." << std::endl;
    std::cerr << "[ERROR] " << what << " cannot be stored on disk." << std::endl;
    return 1;
}

int readXmlArchive(const std::string& path, const char* what,
                   const std::function<void(cereal::XMLInputArchive&)>& read, AfterRead after)
{
    std::ifstream in(path);
    if (!in) {
        std::cerr << "[ERROR] Error in opening " << path << "." << std::endl;
        std::cerr << "[ERROR] " << what << " cannot be read from disk." << std::endl;
        return 1;
    }
    std::string problem = scanXml(path);
    if (problem.empty()) {
        try {
            cereal::XMLInputArchive archive(in);
            read(archive);
        } catch (const std::exception& e) {
            problem = e.what();
        }
    }
    in.close();
    if (!problem.empty()) {
        std::cerr << "[ERROR] " << path << ": " << problem << std::endl;
        std::cerr << "[ERROR] " << what << " cannot be read from disk." << std::endl;
        return 1;
    }
    if (after == AfterRead::Delete)
        std::remove(path.c_str());
    return 0;
}

std::vector<std::string> childNames(cereal::XMLInputArchive& archive)
{
    std::vector<std::string> names;
    archive.setNextName(nullptr);
    while (const char* name = archive.getNodeName()) {
        names.emplace_back(name);
        archive.startNode();
        archive.finishNode();
    }
    return names;
}

bool contains(const std::vector<std::string>& names, const char* name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool skipToChild(cereal::XMLInputArchive& archive, const char* name)
{
    archive.setNextName(nullptr);
    while (const char* next = archive.getNodeName()) {
        if (std::strcmp(next, name) == 0)
            return true;
        archive.startNode();
        archive.finishNode();
    }
    return false;
}
