#include "expectedfiles.h"

#include "testenv.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

QJsonObject expectedJson(const std::string& file)
{
    QFile json(QString::fromStdString(testenv::sharedData("seismic/" + file + ".expected.json")));
    if (!json.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(json.readAll()).object();
}

void expectSampleSummary(const std::vector<double>& samples, const QJsonObject& expected)
{
    ASSERT_GE(samples.size(), 3u);
    const QJsonArray first3 = expected["first3"].toArray(), last3 = expected["last3"].toArray();
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(samples[size_t(k)], first3[k].toDouble());
        EXPECT_DOUBLE_EQ(samples[samples.size() - 3 + size_t(k)], last3[k].toDouble());
    }
    EXPECT_DOUBLE_EQ(*std::min_element(samples.begin(), samples.end()), expected["min"].toDouble());
    EXPECT_DOUBLE_EQ(*std::max_element(samples.begin(), samples.end()), expected["max"].toDouble());
    double sumAbs = 0.0;
    for (double s : samples)
        sumAbs += std::fabs(s);
    EXPECT_NEAR(sumAbs, expected["sum_abs"].toDouble(), 1e-9 * sumAbs);
}
