#include "logger.h"

#include <ctime>
#include <iostream>

namespace
{
std::string timeStamp()
{
    // Fixed 24-hour format: %X would follow the user's LC_TIME.
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[80];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d.%H:%M:%S", &local);
    return buffer;
}
} // namespace

Logger::Logger(std::string path) : logFilePath(std::move(path)) {}

void Logger::writeLog(std::string text, int level)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!logFile.is_open()) {
        logFile.clear();
        logFile.open(logFilePath, openedOnce ? std::ios::out | std::ios::app : std::ios::out);
        if (logFile.is_open())
            openedOnce = true;
    }
    if (!logFile.is_open()) {
        std::cerr << "Impossible to open log file" << std::endl;
        return;
    }

    const std::string stamp = "[" + timeStamp() + "]";
    if (level == 1) {
        std::cerr << stamp << " " << text << std::endl;
        logFile << stamp << " ERROR : " << text << std::endl;
    } else {
        std::cout << stamp << " " << text << std::endl;
        logFile << stamp << " " << text << std::endl;
    }
    if (!logFile) {
        std::cerr << "Impossible to write log file" << std::endl;
        logFile.close();
        logFile.clear();
    }
}
