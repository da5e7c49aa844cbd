#include "history.h"

#include <QDir>

#include <cstdio>
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

void saveHistoryFile(const std::string& historyPath, const std::string& folder)
{
    std::remove(historyPath.c_str());
    std::ofstream out(historyPath, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        std::cerr << "ERROR while trying to save history file." << std::endl;
        return;
    }
    out << folder;
}
