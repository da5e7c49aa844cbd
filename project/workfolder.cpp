#include "workfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace
{
// A decimal number, optionally negative: the form of our folder names.
bool isFolderNumber(const QString& name)
{
    const int first = name.startsWith('-') ? 1 : 0;
    if (name.size() == first)
        return false;
    for (int i = first; i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9')
            return false;
    return true;
}

std::unique_ptr<QLockFile> takeLock(const QString& lockPath)
{
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Only a dead holder's lock may be taken over, however old it is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}
} // namespace

WorkFolder::WorkFolder(std::string folder, std::unique_ptr<QLockFile> lock)
    : folder(std::move(folder)), lock(std::move(lock))
{
}

WorkFolder::~WorkFolder() = default;

std::unique_ptr<WorkFolder> WorkFolder::create(const std::string& root)
{
    const QString rootPath = QString::fromStdString(root);
    QDir rootDir(rootPath);
    if (!rootDir.exists())
        return nullptr;
    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    // The name is stored nowhere, so any free number will do.
    for (qint64 number = start; number < start + 1000; ++number) {
        const QString name = QString::number(number);
        auto lock = takeLock(rootPath + name + ".lock");
        if (!lock)
            continue;
        if (rootDir.mkdir(name))
            return std::unique_ptr<WorkFolder>(
                new WorkFolder((rootPath + name + "/").toStdString(), std::move(lock)));
    }
    return nullptr;
}

void WorkFolder::remove()
{
    QDir(QString::fromStdString(folder)).removeRecursively();
    lock.reset();
}

void removeUnusedWorkFolders(const std::string& root)
{
    const QString rootPath = QString::fromStdString(root);
    const QStringList folders =
        QDir(rootPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : folders) {
        if (!isFolderNumber(name))
            continue;
        auto lock = takeLock(rootPath + name + ".lock");
        if (!lock)
            continue;
        QDir(rootPath + name).removeRecursively();
        // Unlocking removes the lock file.
    }
}

bool isInsideWorkFolder(const std::string& root, const std::string& path)
{
    const QString rootPath = QFileInfo(QString::fromStdString(root)).canonicalFilePath();
    if (rootPath.isEmpty())
        return false;
    // The target file need not exist; its folder is resolved as far as it does.
    QFileInfo target(QString::fromStdString(path));
    QString folder = QFileInfo(target.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(target.absolutePath());
    const QString relative = QDir(rootPath).relativeFilePath(folder);
    if (relative == ".." || relative.startsWith("../") || QDir::isAbsolutePath(relative))
        return false;
    return isFolderNumber(relative.section('/', 0, 0));
}

bool isPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}
