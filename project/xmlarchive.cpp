#include "xmlarchive.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

namespace
{
// Empty when the text is fit for cereal's parser (and its outline for the
// caller), else the reason.
std::string scanXml(const std::string& path, const XmlOutline* outline)
{
    XmlPullReader xml(path);
    std::vector<std::string> names;
    std::vector<size_t> children;
    for (;;) {
        switch (xml.next()) {
        case XmlPullReader::Error:
            return xml.error();
        case XmlPullReader::EndOfDocument:
            return outline && outline->verdict ? outline->verdict() : std::string();
        case XmlPullReader::StartElement:
            if (!children.empty())
                ++children.back();
            children.push_back(0);
            if (xml.depth() > 1)
                names.push_back(xml.name());
            break;
        case XmlPullReader::EndElement:
            if (outline && outline->element && !names.empty() &&
                names.size() <= XmlOutline::outlineDepth)
                outline->element(names, children.back(), xml.text());
            children.pop_back();
            if (!names.empty() && xml.depth() > 0)
                names.pop_back();
            break;
        }
    }
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
    return writeFailed(path, what);
}

int writeFailed(const std::string& path, const char* what)
{
    std::cerr << "[ERROR] Error in opening " << path << "." << std::endl;
    std::cerr << "[ERROR] " << what << " cannot be stored on disk." << std::endl;
    return 1;
}

int readFailed(const std::string& path, const char* what, const std::string& problem,
               std::string* reason)
{
    if (what) {
        std::cerr << "[ERROR] " << path << ": " << problem << std::endl;
        std::cerr << "[ERROR] " << what << " cannot be read from disk." << std::endl;
    }
    if (reason)
        *reason = problem;
    return 1;
}

int readXmlArchive(const std::string& path, const char* what,
                   const std::function<void(cereal::XMLInputArchive&)>& read, AfterRead after,
                   const XmlOutline* outline, std::string* reason)
{
    std::ifstream in(path);
    if (!in) {
        if (what) {
            std::cerr << "[ERROR] Error in opening " << path << "." << std::endl;
            std::cerr << "[ERROR] " << what << " cannot be read from disk." << std::endl;
        }
        if (reason)
            *reason = "the file cannot be opened";
        return 1;
    }
    std::string problem = scanXml(path, outline);
    if (problem.empty()) {
        try {
            cereal::XMLInputArchive archive(in);
            read(archive);
        } catch (const std::exception& e) {
            problem = e.what();
        }
    }
    in.close();
    if (!problem.empty())
        return readFailed(path, what, problem, reason);
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
