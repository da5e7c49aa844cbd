#pragma once
// Pictures are encoded in memory and then written whole, so that a full disk
// never leaves a truncated PNG in place of an older one.

#include "wholefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>

inline bool writeWholePng(const QString& path, const QImage& image, QString* reason = nullptr)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        if (reason)
            *reason = QCoreApplication::translate("Pictures", "the picture could not be made");
        return false;
    }
    buffer.close();
    return writeWholeFile(path, bytes, reason);
}
