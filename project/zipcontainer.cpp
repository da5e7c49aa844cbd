// The zip container of a project: packing the files of a save, unpacking a
// project into a work sub-folder. Entry names are flat file names.

#include "load_project.h"
#include "save_project.h"
#include "workfolder.h"
#include "xmlstream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QString>

#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <set>

namespace
{
constexpr const char* writerSource = "..\\tervanelo\\save_project";
constexpr const char* readerSource = "..\\tervanelo\\load_project";

void writerError(int line, const std::string& ending)
{
    std::cerr << "ERROR : " << writerSource << ", line " << line << ending << std::endl;
}

void readerError(int line, const std::string& ending)
{
    std::cerr << "ERROR : " << readerSource << ", line " << line << ending << std::endl;
}

std::string codeText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

std::string entryName(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// fopen mode of an extracted entry: text for the XML archives. On Linux both
// write the same bytes.
const char* outputMode(const std::string& name)
{
    const auto dot = name.rfind('.');
    return dot != std::string::npos && name.compare(dot, std::string::npos, ".xml") == 0 ? "w"
                                                                                         : "wb";
}
} // namespace

int ProjectWriter::compress_project(std::string zipPath, std::vector<std::string> files)
{
    std::vector<ShotFile> entries;
    for (const std::string& file : files)
        entries.push_back({file, entryName(file)});
    return packEntries(zipPath, entries);
}

int ProjectWriter::packEntries(const std::string& zipPath, const std::vector<ShotFile>& entries)
{
    std::cout << "ProjectWriter::compress_project" << std::endl;
    bool running = false;
    // An open by another instance holds the lock only for a moment: wait for it.
    const std::unique_ptr<QLockFile> lock = lockProjectFile(zipPath, &running, 2000);
    if (running) {
        failure = zipPath + " is being opened or saved by another Tervanelo";
        writerError(__LINE__, " : write_ZIP() : " + failure);
        return 1;
    }
    // Without a lock (a folder we may not write in) there is nothing to
    // clean either; libzip tells why the archive cannot be written.
    if (lock)
        removeSaveLeftovers(zipPath);
    // ZIP_TRUNCATE: the archive starts empty even when zipPath exists, but the
    // file on disk is replaced only when zip_close succeeds.
    int code = 0;
    zip_t* archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        writerError(__LINE__, " : write_ZIP() : impossible to create " + zipPath);
        std::cerr << codeText(code) << std::endl;
        failure = zipPath + " cannot be created: " + codeText(code);
        return 1;
    }
    for (const ShotFile& entry : entries) {
        zip_source_t* source = zip_source_file(archive, entry.source.c_str(), 0, 0);
        if (!source) {
            writerError(__LINE__, " : write_ZIP() : impossible to tmp " + entry.source);
            std::cerr << zip_strerror(archive) << std::endl;
            failure = entry.source + " cannot be read: " + zip_strerror(archive);
            zip_discard(archive);
            return 1;
        }
        const zip_int64_t index =
            zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            writerError(__LINE__, " : write_ZIP() : impossible to add " + entry.source);
            std::cerr << zip_strerror(archive) << std::endl;
            failure = entry.source + " cannot be added: " + zip_strerror(archive);
            zip_source_free(source);
            zip_discard(archive);
            return 1;
        }
        // The fastest deflate level: a large traces.xml then takes seconds,
        // not tens of seconds, for a slightly larger file.
        zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 1);
    }
    if (zip_close(archive) != 0) {
        std::cerr << zip_strerror(archive) << std::endl;
        failure = zipPath + " cannot be written: " + zip_strerror(archive);
        zip_discard(archive);
        return 1;
    }
    return 0;
}

std::unique_ptr<QLockFile> lockProjectFile(const std::string& projectFile, bool* running,
                                           int waitMs)
{
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(projectFile + ".lock"));
    // Only a dead holder's lock may be taken over, however old it is.
    lock->setStaleLockTime(0);
    const bool locked = lock->tryLock(waitMs);
    if (running)
        *running = !locked && lock->error() == QLockFile::LockFailedError;
    return locked ? std::move(lock) : nullptr;
}

void removeSaveLeftovers(const std::string& projectFile)
{
    const QFileInfo project(QString::fromStdString(projectFile));
    // libzip's temporary name: the target's name, ".", six letters or digits.
    const QRegularExpression leftover("^" + QRegularExpression::escape(project.fileName()) +
                                      "\\.[A-Za-z0-9]{6}$");
    const QDir folder = project.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (leftover.match(name).hasMatch() && QFile::remove(folder.filePath(name)))
            std::cerr << "Removed " << folder.filePath(name).toStdString()
                      << ", left by a save that did not end" << std::endl;
}

void removeSaveLeftoversIn(const std::string& folder)
{
    const QRegularExpression leftover("^(.+\\.tervo)\\.[A-Za-z0-9]{6}$");
    const QDir dir(QString::fromStdString(folder));
    std::set<std::string> projects;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = leftover.match(name);
        if (match.hasMatch())
            projects.insert(dir.filePath(match.captured(1)).toStdString());
    }
    for (const std::string& project : projects)
        if (const std::unique_ptr<QLockFile> lock = lockProjectFile(project))
            removeSaveLeftovers(project);
}

namespace
{
// The names of the shot files traces.xml lists. They come before the trace
// sets, so the scan stops at the first of these.
std::set<std::string> shotNamesIn(const std::string& tracesPath)
{
    std::set<std::string> names;
    XmlPullReader xml(tracesPath);
    std::string list;
    for (;;) {
        const XmlPullReader::Event event = xml.next();
        if (event == XmlPullReader::Error || event == XmlPullReader::EndOfDocument)
            return names;
        if (event == XmlPullReader::StartElement && xml.depth() == 2) {
            if (xml.name() == "traceSet")
                return names;
            list = xml.name();
        } else if (event == XmlPullReader::EndElement && xml.depth() == 2 &&
                   (list == "filenames" || list == "filenames_DX" || list == "filenames_SX")) {
            names.insert(xml.text());
        }
    }
}

const char* const projectArchives[] = {"tomodoc.xml", "grid.xml", "traces.xml", "palettes.xml",
                                       "refraction.xml"};
} // namespace

namespace
{
// What read_ZIP holds, released on every way out.
struct DiscardArchive {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct CloseEntry {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
struct CloseFile {
    void operator()(FILE* file) const { std::fclose(file); }
};
} // namespace

int projectReader::read_ZIP(std::string zipPath, std::string destFolder)
{
    const auto refuse = [&](int line, const std::string& ending, const std::string& reason) {
        readerError(line, ending);
        noteFailure(reason);
        return 1;
    };
    int code = 0;
    const std::unique_ptr<zip_t, DiscardArchive> owner(
        zip_open(zipPath.c_str(), ZIP_RDONLY, &code));
    zip_t* archive = owner.get();
    if (!archive) {
        std::cerr << "ERROR : " << readerSource << ", line " << __LINE__
                  << ": read_ZIP() : couldn't open input file " << zipPath << std::endl;
        std::cerr << codeText(code) << std::endl;
        noteFailure("the file is not a zip archive that can be read (" + codeText(code) + ")");
        return 1;
    }
    // Every check runs before anything is written.
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count <= 0) {
        return refuse(__LINE__, " : read_ZIP() : empty " + zipPath, "the archive is empty");
    }
    // No entry of a real project holds more than this; the largest real
    // surveys stay far below the fixed part.
    const qint64 fileSize = QFileInfo(QString::fromStdString(zipPath)).size();
    const zip_uint64_t bound = std::max<zip_uint64_t>(
        zip_uint64_t(64) * zip_uint64_t(std::max<qint64>(fileSize, 0)), zip_uint64_t(64) << 20);
    std::vector<zip_stat_t> entries(static_cast<size_t>(count));
    std::set<std::string> names;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t& st = entries[size_t(i)];
        const zip_uint64_t needed = ZIP_STAT_NAME | ZIP_STAT_SIZE;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) != 0 ||
            (st.valid & needed) != needed) {
            std::cerr << "File " << readerSource << ", Line " << __LINE__ << std::endl;
            noteFailure("entry " + std::to_string(i) + " of the archive cannot be read");
            return 1;
        }
        const std::string name = st.name;
        if (!isPlainFileName(name)) {
            return refuse(__LINE__, " : read_ZIP() : entry name is not a plain file name: " + name,
                          "the entry \"" + name + "\" is not a plain file name");
        }
        if (!names.insert(name).second) {
            return refuse(__LINE__, " : read_ZIP() : entry name repeated: " + name,
                          "the entry \"" + name + "\" is there twice");
        }
        if (st.size > bound) {
            return refuse(__LINE__,
                          " : read_ZIP() : " + name + " states " + std::to_string(st.size) +
                              " bytes, more than " + std::to_string(bound),
                          "the entry \"" + name + "\" states " + std::to_string(st.size) +
                              " bytes, far more than a project of " + std::to_string(fileSize) +
                              " bytes can hold");
        }
    }
    if (names.count("tomodoc.xml") == 0) {
        return refuse(__LINE__,
                      std::string(" : read_ZIP() : no ") + "tomodoc.xml" + " into " + zipPath,
                      "the archive holds no tomodoc.xml");
    }
    zip_uint64_t total = 0;
    for (const zip_stat_t& st : entries)
        total += st.size;
    const qint64 available = QStorageInfo(QString::fromStdString(destFolder)).bytesAvailable();
    if (available >= 0 && total > zip_uint64_t(available)) {
        return refuse(__LINE__,
                      " : read_ZIP() : " + std::to_string(total) +
                          " bytes to extract, more than the free space in " + destFolder,
                      "it needs " + std::to_string(total) + " bytes, more than the free space in " +
                          destFolder);
    }

    std::vector<char> buffer(1 << 20);
    const auto extract = [&](size_t i) {
        const zip_stat_t& st = entries[i];
        const std::string name = st.name;
        const std::string output = destFolder + name;
        std::cout << "extract [ " << name << " ] in [ " << output << " ]" << std::endl;
        std::unique_ptr<zip_file_t, CloseEntry> entry(zip_fopen_index(archive, zip_uint64_t(i), 0));
        if (!entry) {
            std::cerr << zip_strerror(archive) << std::endl;
            return refuse(__LINE__, " : read_ZIP() : error reading" + name + " ",
                          "the entry \"" + name + "\" cannot be read");
        }
        std::unique_ptr<FILE, CloseFile> out(std::fopen(output.c_str(), outputMode(name)));
        if (!out) {
            return refuse(__LINE__, " : read_ZIP() : error extracting " + name,
                          name + " cannot be written in " + destFolder);
        }
        // Read to the end of the entry: only the read that reaches it checks
        // the CRC, and a stated size is no promise of the data behind it.
        zip_uint64_t written = 0;
        bool ok = true;
        for (;;) {
            const zip_int64_t n = zip_fread(entry.get(), buffer.data(), buffer.size());
            if (n < 0) {
                std::cerr << zip_file_strerror(entry.get()) << std::endl;
                ok = false;
                break;
            }
            if (n == 0)
                break;
            if (written + zip_uint64_t(n) > st.size ||
                std::fwrite(buffer.data(), 1, size_t(n), out.get()) != size_t(n)) {
                std::perror(output.c_str());
                ok = false;
                break;
            }
            written += zip_uint64_t(n);
        }
        // Both closes report errors of their own, so they are made here.
        const bool closed = std::fclose(out.release()) == 0;
        const int entryResult = zip_fclose(entry.release());
        if (!ok || written != st.size || entryResult != 0) {
            if (entryResult != 0)
                std::cerr << codeText(entryResult) << std::endl;
            return refuse(__LINE__, " : read_ZIP() : writing " + name,
                          "the entry \"" + name +
                              "\" is damaged (its data do not match what the "
                              "archive states)");
        }
        if (!closed)
            return refuse(__LINE__, " : read_ZIP() : impossible to close " + name,
                          name + " cannot be written in " + destFolder);
        return 0;
    };

    // Only what the project reads: its archives, then the shot files its
    // traces.xml names. Anything else stays in the zip.
    std::vector<bool> wanted(entries.size(), false);
    for (size_t i = 0; i < entries.size(); ++i)
        for (const char* known : projectArchives)
            wanted[i] = wanted[i] || std::strcmp(entries[i].name, known) == 0;
    for (size_t i = 0; i < entries.size(); ++i)
        if (wanted[i] && extract(i) != 0) {
            return 1;
        }
    const std::set<std::string> shots = shotNamesIn(destFolder + "traces.xml");
    for (size_t i = 0; i < entries.size(); ++i) {
        if (wanted[i])
            continue;
        if (shots.count(entries[i].name) == 0) {
            std::cout << "skip [ " << entries[i].name << " ]: the project does not use it"
                      << std::endl;
            continue;
        }
        if (extract(i) != 0) {
            return 1;
        }
    }
    return 0;
}
