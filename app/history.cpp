#include "history.h"

#include "targetfile.h"

#include <QDir>

#include <fstream>
#include <iostream>

std::string readHistoryFile(const std::string& historyPath)
{
    std::ifstream in(historyPath, std::ios::binary);
    if (!in.is_open()) {
        std::cerr << "ERROR while trying to read history file." << std::endl;
        return QDir::homePath().toStdString();
    }
    std::string folder;
    std::getline(in, folder);
    if (!folder.empty() && folder.back() == '\r')
        folder.pop_back();
    return folder;
}

bool saveHistoryFile(const std::string& historyPath, const std::string& folder)
{
    std::string reason;
    if (writeWholeFile(historyPath, folder, &reason))
        return true;
    std::cerr << "ERROR while trying to save history file.\n" << reason << std::endl;
    return false;
}
