#pragma once
// A small JSON writer: our own, so that the ANSI text of the program leaves as
// properly escaped UTF-8.
#include <cstdint>
#include <string>
#include <vector>

// The program's ANSI text (system code page) as UTF-8.
std::string AnsiToUtf8(const std::string& text);
// A JSON string literal, quotes included, of UTF-8 text.
std::string JsonQuote(const std::string& utf8);

class TJsonWriter {
public:
    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The next value is the member of that name.
    void Key(const char* name);
    void Text(const std::string& ansi);  // converted to UTF-8
    void Number(uint64_t value);
    void Number(int value);
    void Bool(bool value);

    void Member(const char* name, const std::string& ansi) { Key(name); Text(ansi); }
    void Member(const char* name, uint64_t value) { Key(name); Number(value); }
    void Member(const char* name, int value) { Key(name); Number(value); }
    void MemberBool(const char* name, bool value) { Key(name); Bool(value); }

    const std::string& Result() const { return Out; }

private:
    void Open(char bracket);
    void Close(char bracket);
    void BeforeValue();

    std::string Out;
    std::vector<bool> HasItems;  // per open bracket: a comma is due before the next item
    std::vector<bool> InArray;
    bool AfterKey = false;
};
