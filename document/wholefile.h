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
