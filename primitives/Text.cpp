#include "primitives/Text.h"

#include <cctype>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

std::string Trim(const std::string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return text.substr(first, last - first);
}

bool SameText(const std::string& a, const std::string& b)
{
#ifdef _WIN32
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
#else
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
#endif
}

int32_t StrToIntDef(const std::string& text, int32_t fallback)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return fallback;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        int digit;
        char c = text[i];
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return fallback;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL)
            return fallback;
    }
    if (base == 10) {
        if (negative ? value > 0x80000000LL : value > 0x7FFFFFFFLL)
            return fallback;
        return static_cast<int32_t>(negative ? -value : value);
    }
    // Hexadecimal covers the whole 32-bit pattern, as "$FFFFFFFF" means -1.
    uint32_t bits = static_cast<uint32_t>(value);
    return static_cast<int32_t>(negative ? 0u - bits : bits);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0, i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

bool LinesBeforeFirstEmpty(const std::string& text, std::string& header)
{
    std::vector<std::string> lines = SplitLines(text);
    size_t blank = 0;
    while (blank < lines.size() && !lines[blank].empty())
        ++blank;
    if (blank == lines.size())
        return false;
    header.clear();
    for (size_t i = 0; i < blank; ++i)
        header += lines[i] + "\r\n";
    return true;
}

bool ValueAfterMarker(const std::string& text, const std::string& marker, std::string& value)
{
    if (marker.empty())
        return false;
    for (const std::string& line : SplitLines(text)) {
        size_t at = line.find(marker);
        if (at != std::string::npos) {
            value = line.substr(at + marker.size());
            return true;
        }
    }
    return false;
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}
