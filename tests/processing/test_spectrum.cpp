#include "referencefile.h"
#include "spectrum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{

struct Spectrum {
    std::vector<double> freq;
    std::vector<double> amp;
    double maxFrequency = 0.0;
};

Spectrum spectrumOf(const std::vector<double>& samples, double fs)
{
    Spectrum s;
    computeAmplitudeSpectrum(samples, fs, s.freq, s.amp, s.maxFrequency);
    return s;
}

TEST(AmplitudeSpectrum, MatchesNumpyOnARandomTrace)
{
    const std::vector<double> x = readReference("random_1000.txt");
    const std::vector<double> expected = readReference("random_1000_rfft_amplitude.txt");
    ASSERT_EQ(x.size(), 1000u);
    ASSERT_EQ(expected.size(), 512u);

    const Spectrum s = spectrumOf(x, 4000.0);
    ASSERT_EQ(s.freq.size(), 512u);
    ASSERT_EQ(s.amp.size(), 512u);
    const double tolerance = 1e-12 * *std::max_element(expected.begin(), expected.end());
    for (size_t i = 0; i < 512; ++i) {
        EXPECT_DOUBLE_EQ(s.freq[i], i * 3.90625) << "bin " << i;
        EXPECT_NEAR(s.amp[i], expected[i], tolerance) << "bin " << i;
    }
    EXPECT_DOUBLE_EQ(s.maxFrequency, 1996.09375);
}

TEST(AmplitudeSpectrum, PureToneAndConstantSignal)
{
    std::vector<double> cosine(1024);
    for (size_t t = 0; t < cosine.size(); ++t)
        cosine[t] = 3.0 * std::cos(2.0 * M_PI * 64.0 * double(t) / 1024.0);
    const Spectrum tone = spectrumOf(cosine, 1024.0);
    ASSERT_EQ(tone.amp.size(), 512u);
    for (size_t i = 0; i < tone.amp.size(); ++i) {
        if (i == 64)
            EXPECT_NEAR(tone.amp[i], 1.5, 1e-12); // one-sided, not doubled
        else
            EXPECT_LT(tone.amp[i], 1e-12) << "bin " << i;
    }

    const Spectrum constant = spectrumOf(std::vector<double>(8, 2.0), 8.0);
    ASSERT_EQ(constant.amp.size(), 4u);
    EXPECT_DOUBLE_EQ(constant.amp[0], 2.0);
    for (size_t i = 1; i < 4; ++i)
        EXPECT_LT(constant.amp[i], 1e-15) << "bin " << i;
}

struct LengthCase {
    size_t samples;
    size_t paddedLength;
};

TEST(AmplitudeSpectrum, PadsToTheNextPowerOfTwo)
{
    const LengthCase cases[] = {{0, 1},       {1, 1},       {2, 2},      {3, 4},
                                {1000, 1024}, {1024, 1024}, {1025, 2048}};
    for (const LengthCase& c : cases) {
        std::vector<std::complex<double>> X{{7.0, 7.0}};
        fftPadded(std::vector<double>(c.samples, 1.0), X);
        EXPECT_EQ(X.size(), c.paddedLength) << c.samples << " samples";
        // The DC bin of an all-ones vector counts the samples, not the padding.
        EXPECT_DOUBLE_EQ(X[0].real(), double(c.samples)) << c.samples << " samples";
    }
}

TEST(AmplitudeSpectrum, DegenerateInputsGiveOneBin)
{
    const Spectrum empty = spectrumOf({}, 500.0);
    EXPECT_EQ(empty.freq, std::vector<double>{0.0});
    EXPECT_EQ(empty.amp, std::vector<double>{0.0});
    EXPECT_EQ(empty.maxFrequency, 0.0);

    const Spectrum single = spectrumOf({-2.5}, 500.0);
    EXPECT_EQ(single.freq, std::vector<double>{0.0});
    EXPECT_EQ(single.amp, std::vector<double>{2.5});
}

TEST(AmplitudeSpectrum, AppendsToTheCallersVectors)
{
    std::vector<double> freq{-1.0};
    std::vector<double> amp{-2.0};
    double maxFrequency = 0.0;
    computeAmplitudeSpectrum({1.0, 1.0, 1.0, 1.0}, 4.0, freq, amp, maxFrequency);
    EXPECT_EQ(freq, (std::vector<double>{-1.0, 0.0, 1.0}));
    ASSERT_EQ(amp.size(), 3u);
    EXPECT_EQ(amp[0], -2.0);
    EXPECT_DOUBLE_EQ(amp[1], 1.0);
    EXPECT_EQ(maxFrequency, 1.0);
}

} // namespace
