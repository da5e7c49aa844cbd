#pragma once
// One-dimensional interpolating curves y(x).

#include <string>
#include <vector>

namespace Splines {

class Spline {
public:
    explicit Spline(std::string name, bool checkRange = false)
        : _name(std::move(name)), _checkRange(checkRange)
    {
    }
    virtual ~Spline() = default;

protected:
    std::string _name;
    bool _checkRange;
};

class LinearSpline : public Spline {
public:
    explicit LinearSpline(std::string name = "LinearSpline", bool checkRange = false)
        : Spline(std::move(name), checkRange)
    {
    }
};

class CubicSplineBase : public Spline {
public:
    using Spline::Spline;
};

class BesselSpline : public CubicSplineBase {
public:
    explicit BesselSpline(std::string name = "BesselSpline", bool checkRange = false)
        : CubicSplineBase(std::move(name), checkRange)
    {
    }
};

} // namespace Splines
