#include "cli/Json.h"

#include <cstdio>
#include <windows.h>

std::string AnsiToUtf8(const std::string& text)
{
    if (text.empty())
        return text;
    int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (wide <= 0)
        return std::string();
    std::wstring buffer(wide, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &buffer[0], wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return std::string();
    std::string result(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, &result[0], bytes, nullptr, nullptr);
    return result;
}

std::string JsonQuote(const std::string& utf8)
{
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else
                out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void TJsonWriter::BeforeValue()
{
    if (AfterKey) {
        AfterKey = false;
        return;
    }
    if (HasItems.empty())
        return;
    if (HasItems.back())
        Out += ',';
    HasItems.back() = true;
    // One array element per line keeps long documents readable and diffable.
    if (InArray.back())
        Out += '\n';
}

void TJsonWriter::Open(char bracket)
{
    BeforeValue();
    Out += bracket;
    HasItems.push_back(false);
    InArray.push_back(bracket == '[');
}

void TJsonWriter::Close(char bracket)
{
    HasItems.pop_back();
    InArray.pop_back();
    Out += bracket;
    if (HasItems.empty())
        Out += '\n';
}

void TJsonWriter::Key(const char* name)
{
    BeforeValue();
    Out += JsonQuote(name);
    Out += ':';
    AfterKey = true;
}

void TJsonWriter::Text(const std::string& ansi)
{
    BeforeValue();
    Out += JsonQuote(AnsiToUtf8(ansi));
}

void TJsonWriter::Number(uint64_t value)
{
    BeforeValue();
    Out += std::to_string(value);
}

void TJsonWriter::Number(int value)
{
    BeforeValue();
    Out += std::to_string(value);
}

void TJsonWriter::Bool(bool value)
{
    BeforeValue();
    Out += value ? "true" : "false";
}
