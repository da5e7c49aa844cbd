#pragma once
// The names of the signals a writer or reader emitted, in order. Signals are
// emitted on the worker thread and recorded there (direct connections); read
// the log only after the thread is joined.

#include "load_project.h"
#include "save_project.h"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace projecttest
{

class SignalLog
{
public:
    explicit SignalLog(ProjectWriter& writer)
    {
        watch(writer, {{&ProjectWriter::saved_grid, "saved_grid"},
                       {&ProjectWriter::saved_traces, "saved_traces"},
                       {&ProjectWriter::saved_tomo_xml, "saved_tomo_xml"},
                       {&ProjectWriter::saved_palettes, "saved_palettes"},
                       {&ProjectWriter::saved_refraction, "saved_refraction"},
                       {&ProjectWriter::saved_compressed, "saved_compressed"},
                       {&ProjectWriter::saved_completed, "saved_completed"},
                       {&ProjectWriter::error_saved_grid, "error_saved_grid"},
                       {&ProjectWriter::error_saved_traces, "error_saved_traces"},
                       {&ProjectWriter::error_saved_tomo_xml, "error_saved_tomo_xml"},
                       {&ProjectWriter::error_saved_palettes, "error_saved_palettes"},
                       {&ProjectWriter::error_saved_refraction, "error_saved_refraction"},
                       {&ProjectWriter::error_saved_compressed, "error_saved_compressed"}});
    }
    explicit SignalLog(projectReader& reader)
    {
        watch(reader, {{&projectReader::read_grid, "read_grid"},
                       {&projectReader::read_traces, "read_traces"},
                       {&projectReader::read_tomo_xml, "read_tomo_xml"},
                       {&projectReader::read_palettes, "read_palettes"},
                       {&projectReader::read_compressed, "read_compressed"},
                       {&projectReader::error_read_grid, "error_read_grid"},
                       {&projectReader::error_read_traces, "error_read_traces"},
                       {&projectReader::error_read_tomo_xml, "error_read_tomo_xml"},
                       {&projectReader::error_read_palettes, "error_read_palettes"},
                       {&projectReader::error_read_compressed, "error_read_compressed"}});
    }

    std::vector<std::string> names() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return emitted;
    }
    // The signals that end a save: completion or an error.
    std::vector<std::string> terminal() const
    {
        std::vector<std::string> result;
        for (const std::string& name : names())
            if (name == "saved_completed" || name.rfind("error_", 0) == 0)
                result.push_back(name);
        return result;
    }
    std::string text() const
    {
        std::string result;
        for (const std::string& name : names())
            result += name + " ";
        return result;
    }

private:
    template <typename T>
    void watch(T& sender, const std::vector<std::pair<void (T::*)(), const char*>>& list)
    {
        for (const auto& [signal, name] : list) {
            const std::string n = name;
            QObject::connect(
                &sender, signal, &sender,
                [this, n] {
                    std::lock_guard<std::mutex> lock(mutex);
                    emitted.push_back(n);
                },
                Qt::DirectConnection);
        }
    }

    mutable std::mutex mutex;
    std::vector<std::string> emitted;
};
} // namespace projecttest
