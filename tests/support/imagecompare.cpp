#include "imagecompare.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace imagecompare
{
QString outputPath(const QString& fileName)
{
    QDir().mkpath(TERVANELO_TEST_OUTPUT);
    return QString(TERVANELO_TEST_OUTPUT) + "/" + fileName;
}

int colourDistance(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

Result compareWithBaseline(const QImage& image, const QString& name, double tolerance)
{
    Result result;
    const QString baselinePath = QString(TERVANELO_BASELINES) + "/" + name + ".png";
    const QString savedPath = outputPath(name + ".png");
    const QImage rendered = image.convertToFormat(QImage::Format_RGB32);

    if (!QFileInfo::exists(baselinePath)) {
        const char* update = std::getenv("TERVANELO_UPDATE_BASELINES");
        if (update && QString(update) == "1") {
            QDir().mkpath(QFileInfo(baselinePath).path());
            rendered.save(baselinePath);
            result.ok = true;
            result.message = "baseline written: " + baselinePath;
            return result;
        }
        rendered.save(savedPath);
        result.message = "no baseline " + baselinePath + "; rendered image saved as " + savedPath;
        return result;
    }

    const QImage baseline = QImage(baselinePath).convertToFormat(QImage::Format_RGB32);
    if (baseline.size() != rendered.size()) {
        rendered.save(savedPath);
        result.message = QString("size %1x%2 differs from baseline %3x%4; saved as %5")
                             .arg(rendered.width())
                             .arg(rendered.height())
                             .arg(baseline.width())
                             .arg(baseline.height())
                             .arg(savedPath);
        return result;
    }

    double sum = 0.0;
    for (int y = 0; y < rendered.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(rendered.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(baseline.constScanLine(y));
        for (int x = 0; x < rendered.width(); ++x)
            sum += std::abs(qRed(a[x]) - qRed(b[x])) + std::abs(qGreen(a[x]) - qGreen(b[x])) +
                   std::abs(qBlue(a[x]) - qBlue(b[x]));
    }
    result.meanDifference = sum / (3.0 * rendered.width() * rendered.height());
    result.ok = result.meanDifference <= tolerance;
    if (!result.ok) {
        rendered.save(savedPath);
        result.message = QString("mean difference %1 exceeds %2; rendered image saved as %3")
                             .arg(result.meanDifference)
                             .arg(tolerance)
                             .arg(savedPath);
    }
    return result;
}
std::vector<std::pair<int, int>> inkRuns(const QImage& image, QRect area, Qt::Orientation across)
{
    area = area.intersected(image.rect());
    const bool rows = across == Qt::Vertical;
    const int first = rows ? area.top() : area.left();
    const int last = rows ? area.bottom() : area.right();
    std::vector<std::pair<int, int>> runs;
    for (int i = first; i <= last; ++i) {
        bool ink = false;
        const int from = rows ? area.left() : area.top();
        const int to = rows ? area.right() : area.bottom();
        for (int k = from; k <= to && !ink; ++k)
            ink = qGray(rows ? image.pixel(k, i) : image.pixel(i, k)) < 128;
        if (!ink)
            continue;
        if (!runs.empty() && runs.back().second == i - 1)
            runs.back().second = i;
        else
            runs.push_back({i, i});
    }
    return runs;
}

QRect inkBounds(const QImage& image, QRect area)
{
    const auto rows = inkRuns(image, area, Qt::Vertical);
    const auto columns = inkRuns(image, area, Qt::Horizontal);
    if (rows.empty())
        return {};
    return QRect(QPoint(columns.front().first, rows.front().first),
                 QPoint(columns.back().second, rows.back().second));
}

} // namespace imagecompare
