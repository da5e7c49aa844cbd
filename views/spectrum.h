#pragma once
// Frequency content of one trace. Samples are taken at a constant interval;
// frequencies are in hertz, the sampling frequency being 1 / sampleInterval.

#include <complex>
#include <vector>

// Forward discrete Fourier transform in place, without scaling:
// X[j] = sum over t of x[t] e^(-2 pi i j t / N). The length N must be a power
// of two below 2^32; N <= 1 leaves the array as it is. O(N log N), one cosine
// and one sine per call.
void fftRadix2(std::vector<std::complex<double>>& x);

// The transform of the samples zero-padded to the next power of two; a length
// that already is one is not padded, and no samples give N = 1 (one zero).
void fftPadded(const std::vector<double>& samples, std::vector<std::complex<double>>& spectrum);

// One-sided amplitude spectrum: bins 0 .. N/2 - 1 of the padded transform
// divided by N (not doubled), at frequency i * fs / N. Appends to frequencies
// and amplitudes; maxFrequency receives the frequency of the last bin. No
// samples give one bin (0 Hz, 0.0).
void computeAmplitudeSpectrum(std::vector<double> samples, double samplingFrequency,
                              std::vector<double>& frequencies, std::vector<double>& amplitudes,
                              double& maxFrequency);
