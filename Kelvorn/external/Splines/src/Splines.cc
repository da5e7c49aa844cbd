#include "Splines.hh"

#include "GenericContainer.hh"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <limits>
#include <new>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace Splines
{

namespace
{

// Numbers in messages take a stream's default formatting, whatever the global locale.
template <typename... Parts> std::string text(const Parts&... parts)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    (out << ... << parts);
    return out.str();
}

const char* const kindNames[] = {"constant", "linear",  "cubic",   "akima",      "bessel",
                                 "pchip",    "quintic", "hermite", "spline set", "b-spline"};

} // namespace

// ---------------------------------------------------------------------------
// Hermite base functions, with t = s / h.

void hermiteBase(double s, double h, double base[4])
{
    const double t = s / h;
    base[1] = (3 - 2 * t) * t * t;
    base[0] = 1 - base[1];
    base[2] = ((t - 2) * t + 1) * s;
    base[3] = t * s * (t - 1);
}

void hermiteBaseD(double s, double h, double base_D[4])
{
    const double t = s / h;
    base_D[0] = 6 * t * (t - 1) / h;
    base_D[1] = -base_D[0];
    base_D[2] = (3 * t - 4) * t + 1;
    base_D[3] = (3 * t - 2) * t;
}

void hermiteBaseDD(double s, double h, double base_DD[4])
{
    const double t = s / h;
    base_DD[0] = (12 * t - 6) / (h * h);
    base_DD[1] = -base_DD[0];
    base_DD[2] = (6 * t - 4) / h;
    base_DD[3] = (6 * t - 2) / h;
}

void hermiteBaseDDD(double, double h, double base_DDD[4])
{
    base_DDD[0] = 12 / (h * h * h);
    base_DDD[1] = -base_DDD[0];
    base_DDD[2] = 6 / (h * h);
    base_DDD[3] = base_DDD[2];
}

// ---------------------------------------------------------------------------

SplineMalloc::SplineMalloc(std::string name) : name(std::move(name)) {}

SplineMalloc::~SplineMalloc()
{
    delete[] block;
}

void SplineMalloc::allocate(std::uint64_t m)
{
    if (m > reservedValues) {
        free();
        const std::uint64_t wanted = m + m / 8;
        try {
            block = new double[wanted];
        } catch (const std::exception& e) {
            // The caller reports it; ending the process here would lose the user's work.
            throw std::runtime_error(text("Memory allocation failed: ", e.what(),
                                          "\nTry to allocate ", m, " bytes for ", name, '\n'));
        }
        reservedValues = wanted;
    }
    totalValues = m;
    allocatedValues = 0;
}

double* SplineMalloc::operator()(std::uint64_t m)
{
    const std::uint64_t start = allocatedValues;
    const std::uint64_t end = start + m;
    if (end > totalValues)
        throw std::runtime_error(text("\nMalloc<", name, ">::operator () (", m,
                                      ") -- SplineMalloc EXAUSTED\n", "request = ", end, " > ",
                                      totalValues, " = available\n"));
    allocatedValues = end;
    return block + start;
}

void SplineMalloc::free()
{
    delete[] block;
    block = nullptr;
    totalValues = reservedValues = allocatedValues = 0;
}

// ---------------------------------------------------------------------------

Spline::Spline(std::string name, bool checkRange) : checkRange(checkRange), _name(std::move(name))
{
}

Spline::~Spline() = default;

void Spline::raiseError(const std::string& message, unsigned line, const char* file) const
{
    throw std::runtime_error(
        text("In spline: ", _name, " line: ", line, " file: ", file, '\n', message, '\n'));
}

void Spline::forgetPoints()
{
    npts = 0;
    capacity = 0;
    X = Y = nullptr;
}

void Spline::buildFromPoints(const double* x, std::uint32_t incx, const double* y,
                             std::uint32_t incy, std::uint32_t n)
{
    reservePoints(n);
    for (std::size_t i = 0; i < n; ++i) {
        X[i] = x[i * incx];
        Y[i] = y[i * incy];
    }
    npts = n;
    build();
}

std::int32_t Spline::search(double x) const
{
    if (npts < 2)
        raiseError(text("\nsearch(", x, ") empty spline"));
    if (checkRange && (x < X[0] || x > X[npts - 1]))
        raiseError(text("method search( ", x, " ) out of range: [", X[0], ", ", X[npts - 1], "]"));

    const std::uint32_t last = npts - 2;
    // The last k in [lo, hi] with X[k] <= x (lo when there is none).
    const auto bisect = [&](std::uint32_t lo, std::uint32_t hi) {
        const double* k = std::upper_bound(X + lo + 1, X + hi + 1, x);
        return std::uint32_t(k - X) - 1;
    };
    // The hint may be stale when the caller changed npts by hand.
    const std::uint32_t i = std::min(lastInterval, last);
    std::uint32_t k;
    if (last == 0 || std::isnan(x))
        k = 0;
    else if (x >= X[i + 1]) {
        if (x >= X[last] || i + 1 >= last)
            k = last;
        else if (x < X[i + 2])
            k = i + 1;
        else
            k = bisect(i + 2, last);
    } else {
        if (x >= X[i])
            k = i;
        else if (x < X[1])
            k = 0;
        else if (i > 0 && x >= X[i - 1])
            k = i - 1;
        else
            k = bisect(0, i);
    }
    // Repeated abscissae: an interval of zero width would divide by zero.
    while (k < last && X[k + 1] == X[k])
        ++k;
    while (k > 0 && X[k + 1] == X[k])
        --k;
    lastInterval = k;
    return std::int32_t(k);
}

void Spline::printInfo(std::ostream& stream) const
{
    stream << "Spline `" << _name << "` of type: " << kindNames[splineType()]
           << " of order: " << splineOrder();
    if (npts > 0) {
        const auto [yMin, yMax] = std::minmax_element(Y, Y + npts);
        stream << "\nxMin = " << X[0] << " xMax = " << X[npts - 1] << "\nyMin = " << *yMin
               << " yMax = " << *yMax;
    }
    stream << '\n';
}

void Spline::readSetupPoints(const GenericContainer& gc, const char* title, std::vector<double>& xs,
                             std::vector<double>& ys) const
{
    const std::string owner = std::string(title) + "[" + _name + "]::setup";
    for (const char* key : {"x", "y"})
        if (!gc.hasKey(key))
            raiseError(owner + " missing `" + key + "` field!");
    gc("x").copyto_vec_real(xs, owner + ", field `x'");
    gc("y").copyto_vec_real(ys, owner + ", field `y'");
}

void Spline::setup(const GenericContainer& gc)
{
    std::vector<double> xs, ys;
    readSetupPoints(gc, "Spline", xs, ys);
    buildFromPoints(xs.data(), 1, ys.data(), 1, std::uint32_t(std::min(xs.size(), ys.size())));
}

// ---------------------------------------------------------------------------

LinearSpline::LinearSpline(std::string name, bool checkRange)
    : Spline(name, checkRange), memory(name + "_memory")
{
}

LinearSpline::~LinearSpline() = default;

void LinearSpline::reservePoints(std::uint32_t n)
{
    forgetPoints();
    lastInterval = 0;
    memory.allocate(2 * std::uint64_t(n));
    capacity = n;
    X = memory(n);
    Y = memory(n);
}

void LinearSpline::clearPoints()
{
    memory.free();
    forgetPoints();
}

double LinearSpline::operator()(double x) const
{
    if (npts == 0)
        raiseError("in LinearSpline::operator(), npts == 0!");
    if (std::isnan(x))
        return x;
    // One point is a constant curve; outside the points the end values hold.
    if (npts == 1 || x < X[0])
        return Y[0];
    if (x > X[npts - 1])
        return Y[npts - 1];
    const std::int32_t i = search(x);
    const double t = (x - X[i]) / (X[i + 1] - X[i]);
    return (1 - t) * Y[i] + t * Y[i + 1];
}

double LinearSpline::derivative(double x) const
{
    if (npts == 0)
        raiseError("in LinearSpline::operator(), npts == 0!");
    if (std::isnan(x))
        return x;
    if (npts == 1 || x < X[0] || x > X[npts - 1])
        return 0.0;
    const std::int32_t i = search(x);
    return (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]);
}

std::uint32_t LinearSpline::intervalCoefficients(double* cfs, double* nodes, bool transpose) const
{
    const std::uint32_t segments = npts > 1 ? npts - 1 : 0;
    for (std::uint32_t i = 0; i < segments; ++i) {
        nodes[i] = X[i];
        const double slope = (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]);
        if (transpose) {
            cfs[2 * i] = slope;
            cfs[2 * i + 1] = Y[i];
        } else {
            cfs[i] = slope;
            cfs[segments + i] = Y[i];
        }
    }
    return 2;
}

void LinearSpline::writeSegments(std::ostream& stream) const
{
    for (std::uint32_t i = 0; i + 1 < npts; ++i)
        stream << "segment N." << std::setw(4) << i << " X:[ " << X[i] << ", " << X[i + 1]
               << " ] Y:[ " << Y[i] << ", " << Y[i + 1]
               << " ] slope: " << (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]) << '\n';
}

// ---------------------------------------------------------------------------

CubicSplineBase::CubicSplineBase(std::string name, bool checkRange)
    : Spline(name, checkRange), memory(name + "_memory")
{
}

CubicSplineBase::~CubicSplineBase() = default;

void CubicSplineBase::reservePoints(std::uint32_t n)
{
    forgetPoints();
    Yp = nullptr;
    lastInterval = 0;
    memory.allocate(3 * std::uint64_t(n));
    capacity = n;
    X = memory(n);
    Y = memory(n);
    Yp = memory(n);
}

void CubicSplineBase::clearPoints()
{
    memory.free();
    forgetPoints();
    Yp = nullptr;
}

void CubicSplineBase::requireTwoPoints(const char* className, unsigned line, const char* file)
{
    if (npts >= 2)
        return;
    // Without slopes the points cannot be evaluated: leave the spline empty.
    const std::uint32_t n = npts;
    npts = 0;
    raiseError(text(className, "::build(): npts = ", n, " not enought points"), line, file);
}

double CubicSplineBase::evaluate(double x, void (*baseOf)(double, double, double*), double* b) const
{
    if (std::isnan(x))
        return x;
    const std::int32_t i = search(x);
    baseOf(x - X[i], X[i + 1] - X[i], b);
    return Y[i] * b[0] + Y[i + 1] * b[1] + Yp[i] * b[2] + Yp[i + 1] * b[3];
}

double CubicSplineBase::operator()(double x) const
{
    return evaluate(x, hermiteBase, base);
}

double CubicSplineBase::derivative(double x) const
{
    return evaluate(x, hermiteBaseD, base_D);
}

double CubicSplineBase::secondDerivative(double x) const
{
    return evaluate(x, hermiteBaseDD, base_DD);
}

double CubicSplineBase::thirdDerivative(double x) const
{
    return evaluate(x, hermiteBaseDDD, base_DDD);
}

std::uint32_t CubicSplineBase::intervalCoefficients(double* cfs, double* nodes,
                                                    bool transpose) const
{
    const std::uint32_t segments = npts > 1 ? npts - 1 : 0;
    for (std::uint32_t i = 0; i < segments; ++i) {
        nodes[i] = X[i];
        const double h = X[i + 1] - X[i];
        const double chord = (Y[i + 1] - Y[i]) / h;
        const double a = Y[i];
        const double b = Yp[i];
        const double c = (3 * chord - 2 * Yp[i] - Yp[i + 1]) / h;
        const double d = (Yp[i] + Yp[i + 1] - 2 * chord) / (h * h);
        if (transpose) {
            cfs[4 * i] = d;
            cfs[4 * i + 1] = c;
            cfs[4 * i + 2] = b;
            cfs[4 * i + 3] = a;
        } else {
            cfs[i] = d;
            cfs[segments + i] = c;
            cfs[2 * segments + i] = b;
            cfs[3 * segments + i] = a;
        }
    }
    return 4;
}

void CubicSplineBase::writeSegments(std::ostream& stream) const
{
    for (std::uint32_t i = 0; i + 1 < npts; ++i)
        stream << "segment N." << std::setw(4) << i << " X:[" << X[i] << ", " << X[i + 1] << "] Y:["
               << Y[i] << ", " << Y[i + 1] << "] Yp:[" << Yp[i] << ", " << Yp[i + 1]
               << "] slope: " << (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]) << '\n';
}

} // namespace Splines
