#pragma once
// One-dimensional interpolating curves y(x) through a list of points.
//
// LinearSpline   the broken line; held constant at the end values outside the points.
// BesselSpline   piecewise cubic (Hermite form) with three-point slope estimates.
// CubicSpline    the classic C2 cubic spline with imposed end second derivatives
//                (ddy_begin, ddy_end; 0.0 gives the natural spline).
// The cubic kinds continue the end interval's cubic outside the points (no clamping).
//
// Abscissae are expected to increase. Where x stops increasing (X[j] <= X[j-1]) the
// cubic kinds start a new, independent run of points; a run of one point gets slope 0.
//
// Building costs O(n); one evaluation costs O(1) for nearby x (the interval of the
// previous call is tried first) and O(log n) otherwise. All arrays of a spline live
// in one block, reused by later builds that fit.
//
// Errors are std::runtime_error whose text starts with the header
// "In spline: <name> line: <line> file: <file>\n". A failing allocation throws too.
//
// Evaluation writes the interval hint and scratch arrays, so one spline is used by
// one thread at a time; distinct splines are independent. STL only.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class GenericContainer;

namespace Splines
{

// The four Hermite base values of order 0..3 for the offset s = x - X[i] inside an
// interval of width h; the value is Y[i]*b0 + Y[i+1]*b1 + Yp[i]*b2 + Yp[i+1]*b3.
void hermiteBase(double s, double h, double base[4]);
void hermiteBaseD(double s, double h, double base_D[4]);
void hermiteBaseDD(double s, double h, double base_DD[4]);
void hermiteBaseDDD(double s, double h, double base_DDD[4]);

// The storage pool of one spline: one block of doubles handed out in pieces.
// allocate(m) keeps the block when m doubles fit and otherwise replaces it with one of
// m + m/8 doubles, so rebuilding with no more points allocates nothing.
class SplineMalloc
{
public:
    explicit SplineMalloc(std::string name);
    ~SplineMalloc();
    SplineMalloc(const SplineMalloc&) = delete;
    SplineMalloc& operator=(const SplineMalloc&) = delete;

    // Makes room for m doubles and restarts handing out. Throws std::runtime_error
    // when the block cannot be obtained; the pool is then empty.
    void allocate(std::uint64_t m);
    // The next m doubles; throws when that goes beyond what allocate asked for.
    double* operator()(std::uint64_t m);
    // Releases the block and zeroes the counts.
    void free();

    std::string name;
    std::uint64_t totalValues = 0;     // may be handed out since the last allocate
    std::uint64_t reservedValues = 0;  // size of the block
    std::uint64_t allocatedValues = 0; // handed out since the last allocate
    double* block = nullptr;
};

class Spline
{
public:
    Spline(std::string name, bool checkRange);
    virtual ~Spline();
    Spline(const Spline&) = delete;
    Spline& operator=(const Spline&) = delete;

    // Storage for n points; forgets the current points (npts = 0).
    virtual void reservePoints(std::uint32_t n) = 0;
    // Replaces the points by x[i*incx], y[i*incy], i < n, and builds the curve.
    virtual void buildFromPoints(const double* x, std::uint32_t incx, const double* y,
                                 std::uint32_t incy, std::uint32_t n);
    // Derives the curve from X, Y, npts. On failure the spline is left empty.
    virtual void build() = 0;
    // Fills the spline from the fields "x" and "y" of a map container.
    virtual void setup(const GenericContainer& gc);
    // Releases the storage; the spline is empty.
    virtual void clearPoints() = 0;

    virtual double operator()(double x) const = 0;
    virtual double derivative(double x) const = 0;
    virtual double secondDerivative(double x) const = 0;
    virtual double thirdDerivative(double x) const = 0;

    // Polynomial coefficients of the npts-1 segments, highest power first, in the
    // local variable u = x - nodes[i]. transpose true: one segment after the other;
    // false: the coefficients of one power for all segments together. cfs has room
    // for splineOrder()*(npts-1) doubles, nodes for npts-1. Returns splineOrder().
    virtual std::uint32_t intervalCoefficients(double* cfs, double* nodes,
                                               bool transpose) const = 0;
    virtual std::uint32_t splineOrder() const = 0;
    virtual void printInfo(std::ostream& stream) const;
    virtual void writeSegments(std::ostream& stream) const = 0;
    // 1 linear, 2 cubic, 4 bessel (codes of the full kind table in printInfo).
    virtual std::uint32_t splineType() const = 0;

    // The interval i (X[i] <= x < X[i+1]) used to evaluate at x: the last
    // i <= npts-2 with X[i] <= x, 0 below X[0]; never an interval of zero width
    // when another one exists. Throws with fewer than two points, or with
    // checkRange for x outside [X[0], X[npts-1]].
    std::int32_t search(double x) const;

    const std::string& name() const { return _name; }

    bool checkRange;
    std::uint32_t npts = 0;
    std::uint32_t capacity = 0;
    double* X = nullptr;
    double* Y = nullptr;
    mutable std::uint32_t lastInterval = 0;

protected:
    // Throws the runtime error with the spline header; line and file are the caller's.
    [[noreturn]] void raiseError(const std::string& text, unsigned line = __builtin_LINE(),
                                 const char* file = __builtin_FILE()) const;
    // Empties the point fields after the pool has been released or failed.
    void forgetPoints();
    // Reads "x" and "y" of a setup container; title is "Spline" or "CubicSpline".
    void readSetupPoints(const GenericContainer& gc, const char* title, std::vector<double>& xs,
                         std::vector<double>& ys) const;

private:
    std::string _name;
};

class LinearSpline : public Spline
{
public:
    explicit LinearSpline(std::string name = "LinearSpline", bool checkRange = false);
    ~LinearSpline() override;

    void reservePoints(std::uint32_t n) override;
    void build() override {}
    void clearPoints() override;
    double operator()(double x) const override;
    double derivative(double x) const override;
    double secondDerivative(double) const override { return 0.0; }
    double thirdDerivative(double) const override { return 0.0; }
    std::uint32_t intervalCoefficients(double* cfs, double* nodes, bool transpose) const override;
    std::uint32_t splineOrder() const override { return 2; }
    void writeSegments(std::ostream& stream) const override;
    std::uint32_t splineType() const override { return 1; }

    SplineMalloc memory;
};

class CubicSplineBase : public Spline
{
public:
    CubicSplineBase(std::string name, bool checkRange);
    ~CubicSplineBase() override;

    void reservePoints(std::uint32_t n) override;
    void clearPoints() override;
    double operator()(double x) const override;
    double derivative(double x) const override;
    double secondDerivative(double x) const override;
    double thirdDerivative(double x) const override;
    std::uint32_t intervalCoefficients(double* cfs, double* nodes, bool transpose) const override;
    std::uint32_t splineOrder() const override { return 4; }
    void writeSegments(std::ostream& stream) const override;

    SplineMalloc memory;
    // Hermite base values of the last evaluation of each order.
    mutable double base[4] = {};
    mutable double base_D[4] = {};
    mutable double base_DD[4] = {};
    mutable double base_DDD[4] = {};
    double* Yp = nullptr; // first derivative at the points

protected:
    // Empties the spline and throws "<className>::build(): npts = ... not enought
    // points" when there are fewer than two points.
    void requireTwoPoints(const char* className, unsigned line = __builtin_LINE(),
                          const char* file = __builtin_FILE());
    // Calls slopes(first, n) for every run of n >= 2 increasing abscissae and sets the
    // slope of a one-point run to 0.
    template <typename Slopes> void forEachRun(Slopes slopes);

private:
    double evaluate(double x, void (*baseOf)(double, double, double*), double* b) const;
};

class BesselSpline : public CubicSplineBase
{
public:
    explicit BesselSpline(std::string name = "BesselSpline", bool checkRange = false);

    void build() override;
    std::uint32_t splineType() const override { return 4; }
};

class CubicSpline : public CubicSplineBase
{
public:
    explicit CubicSpline(std::string name = "CubicSpline", bool checkRange = false);
    ~CubicSpline() override;

    void build() override;
    void setup(const GenericContainer& gc) override;
    std::uint32_t splineType() const override { return 2; }

    // Second derivatives imposed at the first and the last point.
    double ddy_begin = 0.0;
    double ddy_end = 0.0;
};

template <typename Slopes> void CubicSplineBase::forEachRun(Slopes slopes)
{
    std::uint32_t first = 0;
    while (first < npts) {
        std::uint32_t end = first + 1;
        while (end < npts && X[end] > X[end - 1])
            ++end;
        if (end - first == 1)
            Yp[first] = 0.0;
        else
            slopes(first, end - first);
        first = end;
    }
}

} // namespace Splines
