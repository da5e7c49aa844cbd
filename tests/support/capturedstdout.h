#pragma once
// The end of a CaptureStdout() capture. liquid prints through C stdio, whose
// buffer must be flushed to reach the captured stream.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

inline std::string capturedStdout()
{
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}
