#pragma once
// The Qt side of writeWholeFile, for writers that produce a QByteArray.

#include "targetfile.h"

#include <QByteArray>
#include <QFile>
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

#include <QFileInfo>

// A name typed without an extension gets the one of the chosen format, as
// QFileDialog::setDefaultSuffix does: desktops open files by their extension.
inline QString withDefaultSuffix(const QString& path, const QString& suffix)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + "." + suffix;
}
