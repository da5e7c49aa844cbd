#pragma once
// The numbered sub-folders of the work folder in which a project is assembled
// (save) or unpacked (open). Each folder is named by the milliseconds since
// the epoch and guarded by a lock file beside it, "<root><number>.lock", held
// while the folder is in use. The lock lives outside the folder so that no
// file extracted into it can replace the lock. Two instances of the program
// sharing one work folder therefore never delete each other's folders.

#include <memory>
#include <string>

class QLockFile;

class WorkFolder
{
public:
    // Locks and creates root + number, root ending in "/". The number is the
    // current time in ms, or the next one whose lock or folder is free (two
    // saves or opens in one millisecond). Null when no folder can be made.
    static std::unique_ptr<WorkFolder> create(const std::string& root);
    // Releases the lock; the folder itself stays.
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // The folder, ending in "/".
    const std::string& path() const { return folder; }
    // Removes the folder with everything in it, then releases the lock.
    void remove();

private:
    WorkFolder(std::string folder, std::unique_ptr<QLockFile> lock);

    std::string folder;
    std::unique_ptr<QLockFile> lock;
};

// Removes every numbered sub-folder of root whose lock can be taken, with its
// lock file: folders of this instance that were released, and those left by
// a process that has ended. Folders other names, plain files and folders in
// use by a running process stay.
void removeUnusedWorkFolders(const std::string& root);

// A file name that stays inside a work sub-folder: not empty, not "." or
// "..", and without "/" or "\".
bool isPlainFileName(const std::string& name);

// True when path lies inside a numbered sub-folder of root: the next open
// would delete it.
bool isInsideWorkFolder(const std::string& root, const std::string& path);
