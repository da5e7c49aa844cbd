#include "surveyfixture.h"

#include <algorithm>
#include <fstream>

namespace fixture
{

std::unique_ptr<Splines::LinearSpline> flatGround()
{
    auto spline = std::make_unique<Splines::LinearSpline>("LinearSpline", false);
    const double x[] = {0.0, 10000.0};
    const double z[] = {0.0, 0.0};
    spline->buildFromPoints(x, 1, z, 1, 2);
    return spline;
}

std::vector<double> slownessByRow(uint32_t rows, uint32_t cols,
                                  const std::function<double(uint32_t row)>& velocity)
{
    std::vector<double> s;
    for (uint32_t r = 0; r < rows; ++r)
        s.insert(s.end(), cols, 1.0 / velocity(r));
    return s;
}

void setSurvey(TomoDocument& doc, const std::vector<double>& receivers,
               const std::vector<double>& shots)
{
    std::vector<Point2D> spread;
    for (double x : receivers)
        spread.push_back({x, 0.0});
    doc.goephonesStringSet = {spread};
    doc.ttArray.clear();
    for (size_t i = 0; i < shots.size(); ++i) {
        TravelTime record;
        record.indexStesa = 0;
        record.traceSetID = static_cast<uint32_t>(i);
        record.shotPos2d = {shots[i], 0.0};
        record.ttMisurati.assign(receivers.size(), 0.0);
        record.ttCalcolati.assign(receivers.size(), 0.0);
        doc.ttArray.push_back(record);
    }
    double smallest = *std::min_element(receivers.begin(), receivers.end());
    for (double x : shots)
        smallest = std::min(smallest, x);
    doc.xShift = 1.0 - smallest;
    doc.topography = flatGround();
}

double deepestNode(const Grid& grid, const std::vector<int>& path)
{
    double z = -1e300;
    for (int node : path)
        z = std::max(z, grid.nodes[node].z);
    return z;
}

int errorLines(const std::string& logPath)
{
    std::ifstream in(logPath);
    std::string line;
    int n = 0;
    while (std::getline(in, line))
        n += line.find("] ERROR : ") != std::string::npos;
    return n;
}

} // namespace fixture
