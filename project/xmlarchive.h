#pragma once
// How every XML archive of a project is written and read (cereal XML, root
// "cereal", 17 significant digits). Internal to the project files.
//
// Writing: the archive builds the whole document in memory and prints it only
// when it is destroyed, without checking the stream; so the stream is checked
// after the archive is gone and the file closed.
//
// Reading: the text is first scanned by XmlPullReader, which does not
// recurse; cereal's parser does, and a deeply nested file would overflow the
// stack of the worker thread. The scan also shows the caller the outline of
// the file (how many items each list holds), so that lists can be checked
// against each other before cereal builds the whole document in memory.
// Doubles are read with std::stod, which follows LC_NUMERIC: the program
// keeps it "C".

#include "xmlstream.h"

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

// What the scan shows of a file before it is parsed. element is called at
// the end of every element whose path below the root has at most
// outlineDepth names, with that path, the number of its child elements and
// (for a leaf) its text; verdict, once the scan is through, returns why the
// file is refused, or "".
struct XmlOutline {
    static constexpr size_t outlineDepth = 3;
    std::function<void(const std::vector<std::string>& path, size_t children,
                       const std::string& text)>
        element;
    std::function<std::string()> verdict;
};

// Reads path with read(archive). 0 on success; 1, after the reason and
// "[ERROR] <what> cannot be read from disk." on standard error, when the file
// cannot be opened, is not well-formed, has another root than "cereal", nests
// deeper than maxXmlDepth, the outline refuses it, or read throws (a missing
// element, a value that does not convert). The reason, in plain words, also
// goes to *reason when given. A successful read deletes the file when asked
// to.
enum class AfterRead { Keep, Delete };
int readXmlArchive(const std::string& path, const char* what,
                   const std::function<void(cereal::XMLInputArchive&)>& read,
                   AfterRead after = AfterRead::Delete, const XmlOutline* outline = nullptr,
                   std::string* reason = nullptr);

// The lines of a read that failed, and the reason for the caller; 1.
int readFailed(const std::string& path, const char* what, const std::string& problem,
               std::string* reason);
// The lines of a write that failed; 1.
int writeFailed(const std::string& path, const char* what);

// The names of the current element's children, in document order. Reading by
// name still works afterwards (cereal searches from the first child), but an
// unnamed read at this level must not follow.
std::vector<std::string> childNames(cereal::XMLInputArchive& archive);
bool contains(const std::vector<std::string>& names, const char* name);

// Moves the archive's cursor to the next child called name, after the
// current one, skipping others. False when there is none.
bool skipToChild(cereal::XMLInputArchive& archive, const char* name);
