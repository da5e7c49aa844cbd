// The zip container of a project: packing the files of a save, unpacking a
// project into a work sub-folder. Entry names are flat file names.

#include "load_project.h"
#include "save_project.h"
#include "workfolder.h"

#include <QStorageInfo>
#include <QString>

#include <zip.h>

#include <cstdio>
#include <iostream>
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
    std::cout << "ProjectWriter::compress_project" << std::endl;
    // ZIP_TRUNCATE: the archive starts empty even when zipPath exists, but the
    // file on disk is replaced only when zip_close succeeds.
    int code = 0;
    zip_t* archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        writerError(__LINE__, " : write_ZIP() : impossible to create " + zipPath);
        std::cerr << codeText(code) << std::endl;
        return 1;
    }
    for (const std::string& file : files) {
        zip_source_t* source = zip_source_file(archive, file.c_str(), 0, 0);
        if (!source) {
            writerError(__LINE__, " : write_ZIP() : impossible to tmp " + file);
            std::cerr << zip_strerror(archive) << std::endl;
            zip_discard(archive);
            return 1;
        }
        const zip_int64_t index = zip_file_add(archive, entryName(file).c_str(), source,
                                               ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            writerError(__LINE__, " : write_ZIP() : impossible to add " + file);
            std::cerr << zip_strerror(archive) << std::endl;
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
        zip_discard(archive);
        return 1;
    }
    return 0;
}

int projectReader::read_ZIP(std::string zipPath, std::string destFolder)
{
    int code = 0;
    zip_t* archive = zip_open(zipPath.c_str(), ZIP_RDONLY, &code);
    if (!archive) {
        readerError(__LINE__, ": read_ZIP() : couldn't open input file " + zipPath);
        std::cerr << codeText(code) << std::endl;
        return 1;
    }
    // Every check runs before anything is written.
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count <= 0) {
        readerError(__LINE__, " : read_ZIP() : empty " + zipPath);
        zip_discard(archive);
        return 1;
    }
    std::vector<zip_stat_t> entries(static_cast<size_t>(count));
    std::set<std::string> names;
    zip_uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t& st = entries[size_t(i)];
        const zip_uint64_t needed = ZIP_STAT_NAME | ZIP_STAT_SIZE;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) != 0 ||
            (st.valid & needed) != needed) {
            std::cerr << "File " << readerSource << ", Line " << __LINE__ << std::endl;
            zip_discard(archive);
            return 1;
        }
        const std::string name = st.name;
        if (!isPlainFileName(name)) {
            readerError(__LINE__, " : read_ZIP() : entry name is not a plain file name: " + name);
            zip_discard(archive);
            return 1;
        }
        if (!names.insert(name).second) {
            readerError(__LINE__, " : read_ZIP() : entry name repeated: " + name);
            zip_discard(archive);
            return 1;
        }
        total += st.size;
    }
    if (names.count("tomodoc.xml") == 0) {
        readerError(__LINE__,
                    std::string(" : read_ZIP() : no ") + "tomodoc.xml" + " into " + zipPath);
        zip_discard(archive);
        return 1;
    }
    const qint64 available = QStorageInfo(QString::fromStdString(destFolder)).bytesAvailable();
    if (available >= 0 && total > zip_uint64_t(available)) {
        readerError(__LINE__, " : read_ZIP() : " + std::to_string(total) +
                                  " bytes to extract, more than the free space in " + destFolder);
        zip_discard(archive);
        return 1;
    }

    std::vector<char> buffer(64 * 1024);
    for (zip_int64_t i = 0; i < count; ++i) {
        const zip_stat_t& st = entries[size_t(i)];
        const std::string name = st.name;
        const std::string output = destFolder + name;
        std::cout << "extract [ " << name << " ] in [ " << output << " ]" << std::endl;
        zip_file_t* entry = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (!entry) {
            readerError(__LINE__, " : read_ZIP() : error reading" + name + " ");
            std::cerr << zip_strerror(archive) << std::endl;
            zip_discard(archive);
            return 1;
        }
        FILE* out = std::fopen(output.c_str(), outputMode(name));
        if (!out) {
            readerError(__LINE__, " : read_ZIP() : error extracting " + name);
            zip_fclose(entry);
            zip_discard(archive);
            return 1;
        }
        // Read to the end of the entry: only the read that reaches it checks
        // the CRC, and a stated size is no promise of the data behind it.
        zip_uint64_t written = 0;
        bool ok = true;
        for (;;) {
            const zip_int64_t n = zip_fread(entry, buffer.data(), buffer.size());
            if (n < 0) {
                std::cerr << zip_file_strerror(entry) << std::endl;
                ok = false;
                break;
            }
            if (n == 0)
                break;
            if (std::fwrite(buffer.data(), 1, size_t(n), out) != size_t(n)) {
                std::perror(output.c_str());
                ok = false;
                break;
            }
            written += zip_uint64_t(n);
        }
        const bool closed = std::fclose(out) == 0;
        const int entryResult = zip_fclose(entry);
        if (!ok || written != st.size || entryResult != 0) {
            readerError(__LINE__, " : read_ZIP() : writing " + name);
            if (entryResult != 0)
                std::cerr << codeText(entryResult) << std::endl;
            zip_discard(archive);
            return 1;
        }
        if (!closed) {
            readerError(__LINE__, " : read_ZIP() : impossible to close " + name);
            zip_discard(archive);
            return 1;
        }
    }
    zip_discard(archive);
    return 0;
}
