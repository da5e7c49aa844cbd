#pragma once
// How every XML archive of a project is written and read (cereal XML, root
// "cereal", 17 significant digits). Internal to the project files.
//
// Writing: the archive builds the whole document in memory and prints it only
// when it is destroyed, without checking the stream; so the stream is checked
// after the archive is gone and the file closed.
//
// Reading: the text is first scanned by QXmlStreamReader, which does not
// recurse; cereal's parser does, and a deeply nested file would overflow the
// stack of the worker thread. Doubles are read with std::stod, which follows
// LC_NUMERIC: the program keeps it "C".

#include <cereal/archives/xml.hpp>

#include <functional>
#include <string>
#include <vector>

// Writes path with write(archive). 0 on success; 1, after the two lines
// "[ERROR] Error in opening <path>." and "[ERROR] <what> cannot be stored on
// disk." on standard error, when the file cannot be opened, writing throws or
// the stream has failed once the file is closed (a full disk).
int writeXmlArchive(const std::string& path, const char* what,
                    const std::function<void(cereal::XMLOutputArchive&)>& write);

// Reads path with read(archive). 0 on success; 1, after the reason and
// "[ERROR] <what> cannot be read from disk." on standard error, when the file
// cannot be opened, is not well-formed, has another root than "cereal", nests
// deeper than maxXmlDepth, or read throws (a missing element, a value that
// does not convert). A successful read deletes the file when asked to.
enum class AfterRead { Keep, Delete };
int readXmlArchive(const std::string& path, const char* what,
                   const std::function<void(cereal::XMLInputArchive&)>& read,
                   AfterRead after = AfterRead::Delete);

// Our deepest nesting is 7 (refraction.xml: cereal, refractData, cData, item,
// tGs, row, value).
constexpr int maxXmlDepth = 16;

// The names of the current element's children, in document order. Reading by
// name still works afterwards (cereal searches from the first child), but an
// unnamed read at this level must not follow.
std::vector<std::string> childNames(cereal::XMLInputArchive& archive);
bool contains(const std::vector<std::string>& names, const char* name);

// Moves the archive's cursor to the next child called name, after the
// current one, skipping others. False when there is none.
bool skipToChild(cereal::XMLInputArchive& archive, const char* name);
