#pragma once
// Processing of one trace through liquid-dsp. Every routine reads the input
// samples and writes a separate output (callers store it as the trace's
// filtered samples, never over the recording). Samples are narrowed to float
// for processing, so the output carries single precision.

#include <cstddef>
#include <vector>

// n floats, all zero.
std::vector<float> makeFloatBuffer(size_t n);

// Automatic gain control with the library's default loop bandwidth; the gain
// starts at 1 / RMS of the whole trace. The output is replaced; no samples
// give no output.
void applyAGC(const std::vector<double>& samples, std::vector<double>& output);

// True when a normalised cut-off, narrowed to the float the filter design
// takes, lies in (0, 0.5): a value just below 0.5 rounds to 0.5 and designs a
// filter that outputs NaN.
bool usableCutoff(double cutoff);

// Butterworth filters of the given order, one causal forward pass (the phase
// delay stays). cutoff is normalised to the sampling frequency and must be
// usable (above); samplingFrequency is not used. Each prints the filter's
// description on stdout. Return 0 with the output replaced by one value per
// sample, or 1 with the output untouched when the order is below 1, the
// cut-off is out of range or the filter cannot be designed.
int highPassFilter(const std::vector<double>& samples, int order, double samplingFrequency,
                   double cutoff, std::vector<double>& output);
int lowPassFilter(const std::vector<double>& samples, int order, double samplingFrequency,
                  double cutoff, std::vector<double>& output);
