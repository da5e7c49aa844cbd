#pragma once
// The Qt side of writeWholeFile, for writers that produce a QByteArray, and
// the extension rule of the save dialogs.

#include "targetfile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

inline bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* reason = nullptr)
{
    std::string why;
    const bool ok =
        writeWholeFile(QFile::encodeName(path).toStdString(),
                       std::string(bytes.constData(), static_cast<size_t>(bytes.size())), &why);
    if (!ok && reason)
        *reason = QString::fromStdString(why);
    return ok;
}

// A name typed without an extension gets the one of the chosen format, as
// QFileDialog::setDefaultSuffix does: desktops open files by their extension.
inline QString withDefaultSuffix(const QString& path, const QString& suffix)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + "." + suffix;
}
