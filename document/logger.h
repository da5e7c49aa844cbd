#pragma once
// The application log: "[YYYY-MM-DD.HH:MM:SS] text" to the console and to a file.
// Thread-safe; the GUI thread and the project threads share one Logger.

#include <fstream>
#include <mutex>
#include <string>

class Logger
{
public:
    // Stores the path; the file is opened by the first writeLog.
    explicit Logger(std::string path);

    // Level 1 is an error: the console line goes to standard error and the file
    // line reads "] ERROR : ". Every other level goes to standard output.
    // A file that cannot be opened is retried on the next call; after a failed
    // write the file is closed and reopened for appending on the next call.
    void writeLog(std::string text, int level);

private:
    std::ofstream logFile;
    std::string logFilePath;
    bool openedOnce = false; // only the first successful open truncates
    std::mutex mutex;
};
