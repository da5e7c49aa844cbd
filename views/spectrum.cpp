#include "spectrum.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

using Complex = std::complex<double>;

namespace
{
uint32_t reverseBits(uint32_t b)
{
    b = ((b >> 1) & 0x55555555u) | ((b & 0x55555555u) << 1);
    b = ((b >> 2) & 0x33333333u) | ((b & 0x33333333u) << 2);
    b = ((b >> 4) & 0x0F0F0F0Fu) | ((b & 0x0F0F0F0Fu) << 4);
    b = ((b >> 8) & 0x00FF00FFu) | ((b & 0x00FF00FFu) << 8);
    return (b >> 16) | (b << 16);
}
} // namespace

void fftRadix2(std::vector<Complex>& x)
{
    const uint32_t N = uint32_t(x.size());
    // The permutation below shifts by 32 - log2(N), which is undefined for N = 1.
    if (N <= 1)
        return;

    // Decimation in frequency, breadth first; the twiddle factor is advanced by
    // multiplication so that only one cosine and one sine are evaluated.
    const double theta = M_PI / N;
    Complex phi(std::cos(theta), -std::sin(theta));
    uint32_t k = N;
    while (k > 1) {
        const uint32_t n = k;
        k >>= 1;
        phi = phi * phi;
        Complex T(1.0, 0.0);
        for (uint32_t l = 0; l < k; ++l) {
            for (uint32_t a = l; a < N; a += n) {
                const uint32_t b = a + k;
                const Complex t = x[a] - x[b];
                x[a] += x[b];
                x[b] = t * T;
            }
            T *= phi;
        }
    }

    const uint32_t m = uint32_t(std::log2(double(N)));
    for (uint32_t a = 0; a < N; ++a) {
        const uint32_t b = reverseBits(a) >> (32 - m);
        if (b > a)
            std::swap(x[a], x[b]);
    }
}

void fftPadded(const std::vector<double>& samples, std::vector<Complex>& spectrum)
{
    const double n = double(samples.size());
    int k = 0;
    while (std::pow(2.0, k) < n && k < 1000)
        ++k;
    std::vector<Complex> x(size_t(std::pow(2.0, k)), Complex(0.0, 0.0));
    for (size_t i = 0; i < samples.size(); ++i)
        x[i] = Complex(samples[i], 0.0);
    fftRadix2(x);
    spectrum = std::move(x);
}

void computeAmplitudeSpectrum(std::vector<double> samples, double samplingFrequency,
                              std::vector<double>& frequencies, std::vector<double>& amplitudes,
                              double& maxFrequency)
{
    std::vector<Complex> X;
    fftPadded(samples, X);
    const double N = double(X.size());

    double highest = std::numeric_limits<double>::lowest();
    for (size_t i = 0; double(i) < 0.5 * N; ++i) {
        X[i] /= N;
        const double amplitude = std::sqrt(X[i].real() * X[i].real() + X[i].imag() * X[i].imag());
        const double frequency = double(i) / (N / samplingFrequency);
        highest = std::max(highest, frequency);
        frequencies.push_back(frequency);
        amplitudes.push_back(amplitude);
    }
    maxFrequency = highest;
}
