#include "ui/Wrapping.h"

namespace {

// A width of zero or less (a font wider than the list) would otherwise cut nothing and
// never end: such a text is not wrapped.
bool Unwrapped(size_t length, int width)
{
    return width <= 0 || length < static_cast<size_t>(width);
}

// FindBreakPos of the text from start on, without copying it.
size_t BreakFrom(const std::string& text, size_t start, int width)
{
    const size_t length = text.size() - start;
    if (Unwrapped(length, width))
        return length;
    for (size_t i = static_cast<size_t>(width); i >= 1; --i)
        if (text[start + i - 1] == ' ' || text[start + i - 1] == '\\')
            return i;
    return length;
}

}  // namespace

int FindBreakPos(const std::string& text, int width)
{
    return static_cast<int>(BreakFrom(text, 0, width));
}

int GetPartOfStrCount(const std::string& text, int width)
{
    if (Unwrapped(text.size(), width))
        return 1;
    int count = 0;
    for (size_t start = 0; start < text.size(); ++count)
        start += BreakFrom(text, start, width);
    return count;
}

std::string GetPartOfStr(std::string& text, int width)
{
    if (Unwrapped(text.size(), width))
        return text;
    const size_t cut = BreakFrom(text, 0, width);
    std::string line = text.substr(0, cut);
    text.erase(0, cut);
    return line;
}

std::vector<std::string> WrapDescription(const std::string& text, int width)
{
    std::string rest = text;
    const int count = GetPartOfStrCount(text, width);
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        lines.push_back(GetPartOfStr(rest, width));
    return lines;
}
