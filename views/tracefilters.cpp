#include "tracefilters.h"

// <complex> first, so liquid's complex type is std::complex in every file.
#include <complex>
#include <liquid/liquid.h>

namespace
{
int butterworth(liquid_iirdes_bandtype band, const std::vector<double>& samples, int order,
                double cutoff, std::vector<double>& output)
{
    // liquid returns NULL for order 0, reporting only on stderr.
    if (order < 1 || !usableCutoff(cutoff))
        return 1;
    iirfilt_rrrf q =
        iirfilt_rrrf_create_prototype(LIQUID_IIRDES_BUTTER, band, LIQUID_IIRDES_SOS,
                                      unsigned(order), float(cutoff), 0.0f, 1.0f, 30.0f);
    if (!q)
        return 1;
    iirfilt_rrrf_print(q);

    const size_t n = samples.size();
    std::vector<float> x = makeFloatBuffer(n);
    std::vector<float> y = makeFloatBuffer(n);
    output.clear();
    output.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        x[i] = float(samples[i]);
        iirfilt_rrrf_execute(q, x[i], &y[i]);
        output.push_back(double(y[i]));
    }
    iirfilt_rrrf_destroy(q);
    return 0;
}
} // namespace

bool usableCutoff(double cutoff)
{
    // liquid designs a filter that outputs NaN for a cut-off outside (0, 0.5),
    // and it sees the float.
    const float passed = float(cutoff);
    return passed > 0.0f && passed < 0.5f;
}

std::vector<float> makeFloatBuffer(size_t n)
{
    return std::vector<float>(n, 0.0f);
}

void applyAGC(const std::vector<double>& samples, std::vector<double>& output)
{
    output.clear();
    // The library refuses to initialise its gain on zero samples.
    if (samples.empty())
        return;
    const unsigned n = unsigned(samples.size());
    std::vector<float> x = makeFloatBuffer(n);
    std::vector<float> y = makeFloatBuffer(n);
    for (size_t i = 0; i < n; ++i)
        x[i] = float(samples[i]);

    agc_rrrf q = agc_rrrf_create();
    if (!q)
        return;
    agc_rrrf_init(q, x.data(), n);
    agc_rrrf_squelch_enable(q);
    agc_rrrf_execute_block(q, x.data(), n, y.data());
    agc_rrrf_destroy(q);

    output.reserve(n);
    for (float v : y)
        output.push_back(double(v));
}

int highPassFilter(const std::vector<double>& samples, int order, double /*samplingFrequency*/,
                   double cutoff, std::vector<double>& output)
{
    return butterworth(LIQUID_IIRDES_HIGHPASS, samples, order, cutoff, output);
}

int lowPassFilter(const std::vector<double>& samples, int order, double /*samplingFrequency*/,
                  double cutoff, std::vector<double>& output)
{
    return butterworth(LIQUID_IIRDES_LOWPASS, samples, order, cutoff, output);
}
