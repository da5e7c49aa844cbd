#include "convertertestutil.h"

#include "toolprocess.h"

#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstring>

namespace convertertest
{
namespace
{

QByteArray runWalker(const QStringList& args)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral(TERVANELO_CONVERTER_TESTS "/seg2walk.py")} + args);
    if (!testenv::waitForTool(python)) {
        ADD_FAILURE() << "seg2walk.py did not finish within " << testenv::toolTimeLimitMs / 1000
                      << " s";
        return {};
    }
    if (python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        ADD_FAILURE() << "seg2walk.py " << args.join(' ').toStdString() << ": "
                      << python.readAllStandardError().toStdString();
        return {};
    }
    return python.readAllStandardOutput();
}

void put(std::vector<unsigned char>& bytes, size_t at, uint64_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + size_t(i)] = uint8_t((value >> (8 * i)) & 0xFF);
}

} // namespace

QJsonObject walkSeg2(const std::string& path)
{
    return QJsonDocument::fromJson(
               runWalker({QStringLiteral("walk"), QString::fromStdString(path)}))
        .object();
}

void writeGoldenSeg2(const std::string& path)
{
    runWalker({QStringLiteral("golden"), QString::fromStdString(path)});
}

uint32_t bitsOf(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::vector<unsigned char> suBytes(const std::vector<SuTrace>& traces)
{
    std::vector<unsigned char> bytes;
    for (const SuTrace& t : traces) {
        const size_t start = bytes.size();
        bytes.resize(start + 240 + 4 * t.samples.size(), 0);
        put(bytes, start + 70, uint16_t(t.scalar), 2);
        put(bytes, start + 72, uint32_t(t.sourceX), 4);
        put(bytes, start + 80, uint32_t(t.groupX), 4);
        put(bytes, start + 108, uint16_t(t.delayMs), 2);
        put(bytes, start + 114, t.samples.size(), 2);
        put(bytes, start + 116, t.intervalMicroseconds, 2);
        for (size_t k = 0; k < t.samples.size(); ++k)
            put(bytes, start + 240 + 4 * k, bitsOf(t.samples[k]), 4);
    }
    return bytes;
}

std::vector<SuTrace> exampleSuTraces()
{
    return {
        {-3, 0, 0, 250, {0.5f, -0.25f, 0.001f, 3.0f}},
        {-3, 5, 0, 250, {1.0f, 2.0f, -3.0f, 4.5f}},
        {-3, 10, 0, 250, {0.0f, -0.0f, 7.25f, -1e6f}},
    };
}

} // namespace convertertest
