#pragma once
// A strict little JSON reader for the tests: whatever hushmark-cli --json prints must
// parse here, or the test fails at the offending offset.
#include <map>
#include <memory>
#include <string>
#include <vector>

struct TJson {
    enum Type { Null, Bool, Number, String, Array, Object } Kind = Null;
    bool Flag = false;
    double Value = 0;
    std::string Text;
    std::vector<TJson> Items;
    std::map<std::string, TJson> Members;

    const TJson& operator[](const std::string& name) const;
    bool Has(const std::string& name) const { return Members.count(name) != 0; }
};

// Parses the whole text; on failure answers false with the reason in error.
bool ParseJson(const std::string& text, TJson& result, std::string& error);
