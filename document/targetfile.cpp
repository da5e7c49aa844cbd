#include "targetfile.h"

#include <filesystem>
#include <system_error>

void removeTarget(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (error)
        return;
    if (std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status))
        std::filesystem::remove(path, error);
}
