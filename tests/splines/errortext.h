#pragma once
// Error texts for the spline and container tests.

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

// The text of the runtime error that f raises ("" and a failure when it raises none).
inline std::string errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    ADD_FAILURE() << "no runtime_error";
    return "";
}

// Spline errors start with a header naming the source line; tests compare the rest.
inline std::string afterHeader(const std::string& message)
{
    const auto newline = message.find('\n');
    return newline == std::string::npos ? message : message.substr(newline + 1);
}
