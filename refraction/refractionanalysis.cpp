#include "refractionanalysis.h"

#include "logger.h"
#include "refractionutils.h"
#include "tomodocument.h"

#include <QCoreApplication>

#include <Splines.hh>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iostream>

namespace
{
// Warnings of the analysis belong to the dialog that shows them.
struct DialogTexts {
    Q_DECLARE_TR_FUNCTIONS(RefractionProcessingDialog)
};

bool picked(double t)
{
    return t > 0.0;
}

bool onSide(double x, double shotX, bool forwardSide)
{
    return forwardSide ? x > shotX : x < shotX;
}

// The station at exactly x, or -1.
std::ptrdiff_t stationAt(const std::vector<Point2D>& stations, double x)
{
    const auto it = std::lower_bound(stations.begin(), stations.end(), x,
                                     [](const Point2D& p, double v) { return p.x < v; });
    if (it == stations.end() || it->x != x)
        return -1;
    return it - stations.begin();
}

std::vector<double> stationXs(const std::vector<Point2D>& stations, size_t n)
{
    std::vector<double> xs;
    xs.reserve(n);
    for (size_t k = 0; k < n; ++k)
        xs.push_back(stations.at(k).x);
    return xs;
}

void buildBessel(Splines::BesselSpline& spline, const std::vector<Point2D>& stations,
                 const std::vector<double>& values)
{
    const size_t n = std::min(stations.size(), values.size());
    const std::vector<double> xs = stationXs(stations, n);
    spline.buildFromPoints(xs.data(), 1, values.data(), 1, uint32_t(n));
}

const double XYs[] = {-4, -3, -2, -1, 0, 1, 2, 3, 4};
} // namespace

RefractionAnalysis::RefractionAnalysis(const TomoDocument& document, refractionDataStructure& data,
                                       WarningSink warn, Logger* logger)
    : document(document), data(data), warn(std::move(warn)), logger(logger)
{
}

void RefractionAnalysis::buildSide(uint32_t L, uint32_t reference, bool forwardSide)
{
    refractionDataStructure::phantom& ph = (forwardSide ? data.phnt_A : data.phnt_R).at(L - 2);
    std::fill(ph.time.begin(), ph.time.end(), refractionDataStructure::NoTime);
    const auto receivers = [&](uint32_t shot) -> const std::vector<Point2D>& {
        return document.spreadAt(document.travelTimeAt(shot).indexStesa);
    };

    // The reference branch's line.
    std::vector<double> xs, ts;
    {
        const TravelTime& tt = document.travelTimeAt(reference);
        const auto& rec = data.ttLayer.at(reference);
        if (rec.enabled)
            for (size_t j = 0; j < rec.layer.size(); ++j) {
                const double x = receivers(reference).at(j).x;
                const double t = tt.ttMisurati.at(j);
                if (rec.layer[j] == int32_t(L) && onSide(x, tt.shotPos2d.x, forwardSide) &&
                    picked(t)) {
                    xs.push_back(x);
                    ts.push_back(t);
                }
            }
    }
    double a = 0, b = 0;
    refractionUtils::linearFit(xs, ts, a, b);

    // Shifts of the other shots; a side without picks contributes nothing.
    std::vector<uint32_t> contributing;
    for (uint32_t i = 0; i < data.ttLayer.size(); ++i) {
        auto& rec = data.ttLayer[i];
        if (i == reference || !rec.enabled ||
            std::find(rec.layer.begin(), rec.layer.end(), int32_t(L)) == rec.layer.end())
            continue;
        const TravelTime& tt = document.travelTimeAt(i);
        double sum = 0;
        size_t count = 0;
        for (size_t j = 0; j < rec.layer.size(); ++j) {
            const double x = receivers(i).at(j).x;
            const double t = tt.ttMisurati.at(j);
            if (rec.layer[j] == int32_t(L) && onSide(x, tt.shotPos2d.x, forwardSide) && picked(t)) {
                sum += a * x + b - t;
                ++count;
            }
        }
        const double shift = count > 0 ? sum / double(count) : 0.0;
        for (size_t j = 0; j < rec.layer.size(); ++j)
            if (rec.layer[j] == int32_t(L) &&
                onSide(receivers(i).at(j).x, tt.shotPos2d.x, forwardSide)) {
                rec.trasla.at(j) = shift;
                if (!forwardSide)
                    std::cout << i << " " << j << " " << tt.ttMisurati.at(j) << " " << shift
                              << std::endl;
            }
        if (count > 0)
            contributing.push_back(i);
    }

    // The reference branch's own times, then the shifted branches.
    {
        const TravelTime& tt = document.travelTimeAt(reference);
        const auto& rec = data.ttLayer.at(reference);
        for (size_t j = 0; j < rec.layer.size(); ++j) {
            const Point2D& r = receivers(reference).at(j);
            const double t = tt.ttMisurati.at(j);
            const std::ptrdiff_t k = stationAt(ph.pos, r.x);
            if (rec.layer[j] != int32_t(L) || !picked(t) || k < 0)
                continue;
            ph.time.at(size_t(k)) = t;
            ph.pos[size_t(k)].z = r.z;
        }
    }
    for (uint32_t i : contributing) {
        const TravelTime& tt = document.travelTimeAt(i);
        const auto& rec = data.ttLayer[i];
        for (size_t j = 0; j < rec.layer.size(); ++j) {
            const Point2D& r = receivers(i).at(j);
            const double t = tt.ttMisurati.at(j);
            const std::ptrdiff_t k = stationAt(ph.pos, r.x);
            if (rec.layer[j] != int32_t(L) || !onSide(r.x, tt.shotPos2d.x, forwardSide) ||
                !picked(t) || k < 0)
                continue;
            ph.pos[size_t(k)].z = r.z;
            double& station = ph.time.at(size_t(k));
            const double shifted = t + rec.trasla.at(j);
            station = station < 0 ? shifted : (station + shifted) * 0.5;
        }
    }
    for (size_t k = 0; k < ph.time.size(); ++k)
        if (ph.time[k] < 0)
            ph.time[k] = a * ph.pos.at(k).x + b;
    ph.a = a;
    ph.b = b;

    std::cout << std::setw(8) << "ID" << std::setw(15) << "Time" << std::endl;
    for (size_t k = 0; k < ph.time.size(); ++k)
        std::cout << std::setw(8) << k << std::setw(15) << ph.time[k] << std::endl;
}

void RefractionAnalysis::buildPhantoms(uint32_t L, uint32_t f, uint32_t r)
{
    buildSide(L, f, true);
    std::cout << "[LOG] ritorno" << std::endl;
    buildSide(L, r, false);
}

double RefractionAnalysis::computeReciprocalTime(uint32_t L, uint32_t f, uint32_t r)
{
    auto& A = data.phnt_A.at(L - 2);
    auto& R = data.phnt_R.at(L - 2);
    A.TAB = A.a * document.travelTimeAt(r).shotPos2d.x + A.b;
    R.TAB = R.a * document.travelTimeAt(f).shotPos2d.x + R.b;
    return A.TAB > R.TAB ? A.TAB : R.TAB;
}

double RefractionAnalysis::computeOverburdenVelocity(uint32_t layer)
{
    double sum = 0;
    size_t count = 0;
    for (uint32_t i = 0; i < data.ttLayer.size(); ++i) {
        const auto& rec = data.ttLayer[i];
        const TravelTime& tt = document.travelTimeAt(i);
        const auto& receivers = document.spreadAt(tt.indexStesa);
        for (bool forwardSide : {true, false}) {
            std::vector<double> xs, ts;
            for (size_t j = 0; j < rec.layer.size(); ++j) {
                const double x = receivers.at(j).x;
                const double t = tt.ttMisurati.at(j);
                if (rec.layer[j] == int32_t(layer) && onSide(x, tt.shotPos2d.x, forwardSide) &&
                    picked(t)) {
                    xs.push_back(x);
                    ts.push_back(t);
                }
            }
            if (xs.size() < 2)
                continue;
            double a = 0, b = 0;
            refractionUtils::linearFit(xs, ts, a, b);
            sum += std::abs(1.0 / a);
            ++count;
        }
    }
    return count > 0 ? sum / double(count) : std::nan("");
}

double RefractionAnalysis::evalPhantomSpline(const refractionDataStructure::phantom& phantom,
                                             double x)
{
    Splines::BesselSpline spline("BesselSpline");
    buildBessel(spline, phantom.pos, phantom.time);
    return spline(x);
}

double RefractionAnalysis::interpolateTv(double x, const std::vector<double>& tV,
                                         const std::vector<Point2D>& stations)
{
    Splines::BesselSpline spline("BesselSpline");
    buildBessel(spline, stations, tV);
    return spline(x);
}

bool RefractionAnalysis::averageRows(uint32_t L, const char* function, Rows& rows,
                                     std::vector<double>& mean)
{
    if (rows.empty()) {
        mean.clear();
        warn(DialogTexts::tr(
                 "Unable to compute the %1 function of layer %2: no offset could be evaluated.")
                 .arg(QString::fromLatin1(function))
                 .arg(L));
        return false;
    }
    mean.assign(rows.front().size(), 0.0);
    for (const auto& row : rows)
        for (size_t j = 0; j < mean.size(); ++j)
            mean[j] += row[j];
    for (double& m : mean)
        m /= double(rows.size());
    return true;
}

bool RefractionAnalysis::offsetRows(uint32_t L, const char* function, const char* header,
                                    const OffsetRow& rowAt, Rows& rows, std::vector<double>& mean)
{
    rows.clear();
    try {
        const auto& A = data.phnt_A.at(L - 2);
        const auto& R = data.phnt_R.at(L - 2);
        for (double XY : XYs) {
            // A row that cannot be evaluated is left out of the mean.
            try {
                Splines::BesselSpline sA("BesselSpline"), sR("BesselSpline");
                buildBessel(sA, A.pos, A.time);
                buildBessel(sR, R.pos, R.time);
                std::cout << header << std::endl;
                rows.push_back(rowAt(XY, sA, sR, A.pos));
            } catch (const std::exception&) {
                std::cerr << "[LOG] Error during build Tv" << std::endl;
            }
        }
    } catch (const std::out_of_range&) {
        rows.clear();
    }
    return averageRows(L, function, rows, mean);
}

bool RefractionAnalysis::computeTv(uint32_t L, double TAB, std::vector<double>& tV, Rows& tVs)
{
    const auto row = [&](double XY, const Splines::Spline& sA, const Splines::Spline& sR,
                         const std::vector<Point2D>& stations) {
        std::vector<double> values(stations.size());
        for (size_t j = 0; j < stations.size(); ++j) {
            const double x = stations[j].x;
            const double tA = sA(x + XY), tR = sR(x - XY);
            values[j] = (tA - tR + TAB) * 0.5;
            std::cout << j << " " << XY << " " << tA << " " << tR << " " << TAB << " " << values[j]
                      << std::endl;
        }
        return values;
    };
    return offsetRows(L, "Tv", "j xy tY tX tAB tVsJ", row, tVs, tV);
}

bool RefractionAnalysis::computeTg(uint32_t L, double TAB, const std::vector<double>& tV,
                                   std::vector<double>& tG, Rows& tGs)
{
    std::cout << "j xy tY tX tAB delta -build" << std::endl;
    const auto row = [&](double XY, const Splines::Spline& sA, const Splines::Spline& sR,
                         const std::vector<Point2D>& stations) {
        Splines::BesselSpline sV("BesselSpline");
        buildBessel(sV, data.phnt_A.at(0).pos, tV);
        std::vector<double> values(stations.size());
        for (size_t j = 0; j < stations.size(); ++j) {
            const double x = stations[j].x;
            const double tA = sA(x + XY), tR = sR(x - XY);
            const double delta = sV(x + XY) - sV(x - XY);
            values[j] = (tA + tR - TAB - delta) * 0.5;
            std::cout << j << " " << XY << " " << tA << " " << tR << " " << TAB << " " << delta
                      << std::endl;
        }
        return values;
    };
    return offsetRows(L, "Tg", "j xy tY tX tAB delta", row, tGs, tG);
}

std::vector<double> RefractionAnalysis::computeVelocityProfile(std::vector<double> tV)
{
    const auto& stations = data.phnt_A.at(0).pos;
    const size_t n = std::min(stations.size(), tV.size());
    const std::vector<double> xs = stationXs(stations, n);
    Splines::LinearSpline S("LinearSpline");
    S.buildFromPoints(xs.data(), 1, tV.data(), 1, uint32_t(n));

    // The interval is shortened at the line ends rather than read past them,
    // where the interpolant is flat.
    std::vector<double> V(tV.size(), 0.0);
    for (size_t j = 0; j < n; ++j) {
        const double lo = std::max(xs[j] - 2.0, xs.front());
        const double hi = std::min(xs[j] + 2.0, xs.back());
        V[j] = (hi - lo) / (S(hi) - S(lo));
    }

    bool negative = false;
    double smallest = HUGE_VAL, largest = 0;
    for (size_t j = 0; j < V.size(); ++j) {
        const size_t first = j >= 4 ? j - 4 : 0;
        const size_t last = std::min(j + 3, V.size() - 1);
        double sum = 0;
        for (size_t k = first; k <= last; ++k)
            sum += V[k];
        V[j] = sum / double(last - first + 1);
        if (!(V[j] > 0)) {
            negative = true;
        } else {
            smallest = std::min(smallest, V[j]);
            largest = std::max(largest, V[j]);
        }
    }
    const char* problem = nullptr;
    if (negative)
        problem = QT_TRANSLATE_NOOP("RefractionProcessingDialog",
                                    "Velocity is less then zero at least one receiver. The "
                                    "profile may not be accurate. Please check input data ");
    else if (largest / smallest > 4.0)
        problem = QT_TRANSLATE_NOOP("RefractionProcessingDialog",
                                    "Strong lateral velocity variations. The profile may not be "
                                    "accurate.");
    if (problem) {
        double a = 0, b = 0;
        refractionUtils::linearFit(xs, std::vector<double>(tV.begin(), tV.begin() + long(n)), a, b);
        if (a != 0 && std::isfinite(a))
            V.assign(V.size(), 1.0 / a);
        warn(DialogTexts::tr(problem));
    }
    return V;
}

void RefractionAnalysis::warnVelocityOrder()
{
    if (velocityOrderWarned)
        return;
    velocityOrderWarned = true;
    warn(DialogTexts::tr(
        "The refractor velocity is not greater than the velocity above it at least one "
        "receiver: the depth there is set to 0. The profile may not be accurate."));
}

std::vector<double> RefractionAnalysis::computeDepthFromTg(std::vector<double> tG,
                                                           std::vector<double> V, double V1,
                                                           uint32_t edge)
{
    const size_t n = tG.size();
    std::vector<double> z(n, 0.0);
    if (edge >= n - std::min<size_t>(n, edge))
        return z;
    bool tgNotPositive = false, slower = false;
    for (size_t j = edge; j < n - edge; ++j) {
        double g = tG[j];
        if (!(g > 0)) {
            g = 0;
            tgNotPositive = true;
        }
        const double v = V.at(j);
        const double depth = v * V1 / std::sqrt(v * v - V1 * V1) * g;
        if (!(v > V1) || !std::isfinite(depth)) {
            slower = true;
            continue;
        }
        z[j] = depth;
    }
    if (tgNotPositive)
        warn(DialogTexts::tr(
            "The Tg function is less then zero at least one receiver. The profile may not "
            "be accurate. Please check input data "));
    if (slower)
        warnVelocityOrder();
    return z;
}

std::vector<double> RefractionAnalysis::computeSecondLayerDepth(std::vector<double> tG3,
                                                                std::vector<double> z1,
                                                                std::vector<double> V2,
                                                                std::vector<double> V3, double V1,
                                                                uint32_t edge)
{
    const size_t n = tG3.size();
    std::vector<double> z2(n, 0.0);
    if (edge >= n - std::min<size_t>(n, edge))
        return z2;
    bool slower = false;
    for (size_t j = edge; j < n - edge; ++j) {
        const double v2 = V2.at(j), v3 = V3.at(j), d1 = z1.at(j);
        const double q = std::sqrt(v3 * v3 - V1 * V1) / (v3 * V1);
        const double depth = d1 + (tG3[j] - d1 * q) * v2 * v3 / std::sqrt(v3 * v3 - v2 * v2);
        if (!(v3 > V1) || !(v3 > v2) || !std::isfinite(depth)) {
            slower = true;
            continue;
        }
        z2[j] = depth;
    }
    if (slower)
        warnVelocityOrder();
    return z2;
}

bool RefractionAnalysis::referenceBranchUsable(uint32_t L, uint32_t shot, bool forwardSide)
{
    const TravelTime& tt = document.travelTimeAt(shot);
    const auto& receivers = document.spreadAt(tt.indexStesa);
    const auto& rec = data.ttLayer.at(shot);
    size_t count = 0;
    for (size_t j = 0; j < rec.layer.size(); ++j)
        if (rec.layer[j] == int32_t(L) && onSide(receivers.at(j).x, tt.shotPos2d.x, forwardSide) &&
            picked(tt.ttMisurati.at(j)))
            ++count;
    if (count >= 2)
        return true;
    warn(DialogTexts::tr(
             "Layer %1: the reference shot ID %2 (X: %3 m) has fewer than two picked receivers. "
             "The profile of this layer cannot be built.")
             .arg(L)
             .arg(shot)
             .arg(QString::number(tt.shotPos2d.x, 'g', 6)));
    return false;
}

void RefractionAnalysis::resetResults()
{
    data.refractData.cData.assign(2, refractionDataStructure::processingData::computedData());
}

RefractionAnalysis::Outcome RefractionAnalysis::buildProfiles()
{
    velocityOrderWarned = false;
    try {
        return run();
    } catch (const std::exception& e) {
        warn(QString::fromLocal8Bit(e.what()));
        resetResults();
        return Outcome();
    }
}

RefractionAnalysis::Outcome RefractionAnalysis::run()
{
    Outcome outcome;
    auto& results = data.refractData;
    resetResults();

    uint32_t f = refractionUtils::NoShot, r = refractionUtils::NoShot;
    refractionUtils::findNearestShots(2, document, data, f, r);
    if (f == refractionUtils::NoShot || r == refractionUtils::NoShot) {
        warn(DialogTexts::tr("Unable to find nearest shot for first refractor"));
        return outcome;
    }
    if (!referenceBranchUsable(2, f, true) || !referenceBranchUsable(2, r, false))
        return outcome;
    buildPhantoms(2, f, r);
    const double TAB2 = computeReciprocalTime(2, f, r);
    std::cout << " TAB: " << TAB2 << std::endl;

    refractionDataStructure::processingData::computedData first;
    if (!computeTv(2, TAB2, first.tV, first.tVs))
        return outcome;
    const double V1 = computeOverburdenVelocity(1);
    if (!std::isfinite(V1) || !(V1 > 0)) {
        warn(DialogTexts::tr(
            "Not enough direct-wave picks (layer 1): the overburden velocity cannot be "
            "estimated."));
        return outcome;
    }
    std::vector<double> v2 = computeVelocityProfile(first.tV);
    refractionUtils::replaceByMeanIfNotAbove(V1, v2);
    if (!computeTg(2, TAB2, first.tV, first.tG, first.tGs))
        return outcome;
    first.z = computeDepthFromTg(first.tG, v2, V1, 0);
    results.v1 = V1;
    results.v2 = v2;
    results.cData[0] = first;
    outcome.layer2 = true;

    const auto& stations = data.phnt_A.at(0).pos;
    std::cout << "X (m)" << std::setw(9) << "Z (m)" << std::endl;
    for (size_t j = 0; j < stations.size(); ++j)
        std::cout << stations[j].x << std::setw(9) << first.z.at(j) << std::endl;

    uint32_t f3 = refractionUtils::NoShot, r3 = refractionUtils::NoShot;
    refractionUtils::findNearestShots(3, document, data, f3, r3);
    std::cout << int64_t(int32_t(f3)) << " " << int64_t(int32_t(r3)) << std::endl;
    if (f3 == refractionUtils::NoShot || r3 == refractionUtils::NoShot)
        return outcome;
    if (!referenceBranchUsable(3, f3, true) || !referenceBranchUsable(3, r3, false))
        return outcome;
    if (f3 == f && r3 == r)
        std::cout << "Phantom 3" << std::endl;
    buildPhantoms(3, f3, r3);
    // The reciprocal time of the pair whose lines these are.
    const double TAB3 = computeReciprocalTime(3, f3, r3);
    std::cout << " TAB 3 " << TAB3 << " " << std::endl;
    if (logger)
        logger->writeLog(QString::asprintf("TAB3 : %f", TAB3).toStdString(), 0);

    refractionDataStructure::processingData::computedData second;
    if (!computeTv(3, TAB3, second.tV, second.tVs))
        return outcome;
    std::vector<double> v3 = computeVelocityProfile(second.tV);
    refractionUtils::replaceBothByMeansIfNotIncreasing(v2, v3);
    if (!computeTg(3, TAB3, second.tV, second.tG, second.tGs))
        return outcome;
    second.z = computeSecondLayerDepth(second.tG, first.z, v2, v3, V1, 0);
    results.v2 = v2;
    results.v3 = v3;
    results.cData[1] = second;
    outcome.layer3 = true;

    std::cout << " x    z    z2    tV  TV2   tg    tg2      V       V2" << std::endl;
    for (size_t j = 0; j < stations.size(); ++j)
        std::cout << stations[j].x << std::setw(9) << first.z[j] << std::setw(13) << second.z[j]
                  << std::setw(18) << first.tV[j] << std::setw(22) << second.tV[j] << std::setw(27)
                  << first.tG[j] << std::setw(33) << second.tG[j] << std::setw(40) << v2[j]
                  << std::setw(46) << v3[j] << std::endl;
    return outcome;
}

std::vector<RefractionCurve> RefractionAnalysis::velocityCurves(const refractionDataStructure& data,
                                                                bool withLayer3)
{
    const auto& results = data.refractData;
    const std::vector<double> xs = stationXs(data.phnt_A.at(0).pos, data.phnt_A.at(0).pos.size());
    std::vector<RefractionCurve> curves;
    curves.push_back({xs, std::vector<double>(xs.size(), results.v1), 0x000000, 2, 0});
    curves.push_back({xs, results.v2, 0x009900, 2, 0});
    if (withLayer3)
        curves.push_back({xs, results.v3, 0xAA0000, 2, 0});
    return curves;
}

std::vector<RefractionCurve> RefractionAnalysis::profileCurves(const refractionDataStructure& data,
                                                               bool withLayer3)
{
    const auto& stations = data.phnt_A.at(0).pos;
    const auto& cData = data.refractData.cData;
    RefractionCurve refractor{{}, {}, 0x009900, 2, 0}, ground{{}, {}, 0x000000, 2, 0},
        second{{}, {}, 0xAA0000, 2, 0};
    const auto& z1 = cData.at(0).z;
    for (size_t j = 0; j < stations.size() && j < z1.size(); ++j) {
        if (!(z1[j] > 0))
            continue;
        refractor.xValues.push_back(stations[j].x);
        refractor.yValues.push_back(stations[j].z - z1[j]);
        ground.xValues.push_back(stations[j].x);
        ground.yValues.push_back(stations[j].z);
    }
    std::vector<RefractionCurve> curves{refractor, ground};
    if (withLayer3) {
        const auto& z2 = cData.at(1).z;
        for (size_t j = 0; j < stations.size() && j < z2.size(); ++j)
            if (z2[j] > 0) {
                second.xValues.push_back(stations[j].x);
                second.yValues.push_back(stations[j].z - z2[j]);
            }
        curves.push_back(second);
    }
    return curves;
}
