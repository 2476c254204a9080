#pragma once
// The engine's one exception type. Checks and solves raise it (or let a primitive's
// raise pass); the guards of the scanner, the solving runs and the front ends catch it.
#include <cstdarg>
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// printf-style text, for error messages and reports.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* format, va_list args);
