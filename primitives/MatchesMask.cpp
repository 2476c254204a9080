#include "primitives/MatchesMask.h"

#include "primitives/Errors.h"

#include <bitset>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

const int MaxCards = 30;

enum class StateKind { Literal, Any, Set, DoubleByte };

struct MaskState {
    StateKind Kind = StateKind::Literal;
    bool SkipTo = false;  // preceded by "*": may skip any run before matching
    bool Negate = false;
    unsigned char Literal = 0;
    unsigned char Lead = 0, Trail = 0;
    std::bitset<256> Set;
};

bool IsLeadByte(unsigned char c)
{
#ifdef _WIN32
    return IsDBCSLeadByte(c) != 0;
#else
    (void)c;
    return false;
#endif
}

unsigned char UpCase(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

[[noreturn]] void InvalidMask(const std::string& mask, size_t position)
{
    throw Exception(Format("'%s' is an invalid mask at (%d)", mask.c_str(), static_cast<int>(position + 1)));
}

class MaskCompiler {
public:
    explicit MaskCompiler(const std::string& mask) : Mask(mask) {}

    std::vector<MaskState> Compile()
    {
        while (P < Mask.size()) {
            unsigned char c = At(P);
            if (c == '*') {
                Pending.SkipTo = true;
            } else if (c == '?') {
                if (!Pending.SkipTo) {
                    Pending.Kind = StateKind::Any;
                    Emit();
                }
            } else if (c == '[') {
                ScanSet();
            } else if (IsLeadByte(c) && P + 1 < Mask.size()) {
                Pending.Kind = StateKind::DoubleByte;
                Pending.Lead = c;
                Pending.Trail = At(++P);
                Emit();
            } else {
                Pending.Kind = StateKind::Literal;
                Pending.Literal = UpCase(c);
                Emit();
            }
            ++P;
        }
        // The terminator: the whole name must be used up.
        Pending.Kind = StateKind::Literal;
        Pending.Literal = 0;
        Emit();
        return States;
    }

private:
    unsigned char At(size_t i) const { return i < Mask.size() ? static_cast<unsigned char>(Mask[i]) : 0; }

    void Emit()
    {
        if (Pending.SkipTo && ++Cards > MaxCards)
            InvalidMask(Mask, P);
        States.push_back(Pending);
        Pending = MaskState();
    }

    void ScanSet()
    {
        ++P;
        if (At(P) == '!') {
            Pending.Negate = true;
            ++P;
        }
        unsigned char last = 0;
        while (P < Mask.size() && At(P) != ']') {
            unsigned char c = At(P);
            if (IsLeadByte(c)) {
                ++P;  // double-byte characters have no place in a set
            } else if (c == '-') {
                if (last == 0)
                    InvalidMask(Mask, P);
                ++P;
                if (P >= Mask.size())
                    InvalidMask(Mask, P);
                for (unsigned int x = last; x <= UpCase(At(P)); ++x)
                    Pending.Set.set(x);
            } else {
                last = UpCase(c);
                Pending.Set.set(last);
            }
            ++P;
        }
        if (At(P) != ']' || P >= Mask.size() || Pending.Set.none())
            InvalidMask(Mask, P);
        Pending.Kind = StateKind::Set;
        Emit();
    }

    const std::string& Mask;
    size_t P = 0;
    int Cards = 0;
    MaskState Pending;
    std::vector<MaskState> States;
};

class MaskMatcher {
public:
    MaskMatcher(const std::string& name, const std::vector<MaskState>& states) : Name(name), States(states) {}

    bool Run()
    {
        size_t p = 0, start = 0;
        for (;;) {
            if (Matches(p, start))
                return true;
            // A resumption point depends on its position and state alone, so one that
            // failed before fails again: without this, a mask of many "*" makes the
            // search exponential (a 114-byte input ran for minutes).
            for (;;) {
                if (Stack.empty())
                    return false;
                p = Stack.back().first;
                start = Stack.back().second;
                Stack.pop_back();
                if (Tried.empty())
                    Tried.resize((Name.size() + 1) * States.size());
                size_t index = p * States.size() + start;
                if (!Tried[index]) {
                    Tried[index] = true;
                    break;
                }
            }
        }
    }

private:
    // Reading at the end yields 0, which only the terminator state matches.
    unsigned char At(size_t i) const { return i < Name.size() ? static_cast<unsigned char>(Name[i]) : 0; }

    bool InSet(const MaskState& s, size_t p) const
    {
        if (p >= Name.size())
            return false;
        return s.Negate != s.Set.test(UpCase(At(p)));
    }

    bool Matches(size_t p, size_t start)
    {
        for (size_t i = start; i < States.size(); ++i) {
            const MaskState& s = States[i];
            if (s.SkipTo) {
                switch (s.Kind) {
                case StateKind::Literal:
                    while (p < Name.size() && UpCase(At(p)) != s.Literal)
                        ++p;
                    break;
                case StateKind::Set:
                    while (p < Name.size() && !InSet(s, p))
                        ++p;
                    break;
                case StateKind::DoubleByte:
                    while (p < Name.size() && !(At(p) == s.Lead && At(p + 1) == s.Trail))
                        p += IsLeadByte(At(p)) ? 2 : 1;
                    break;
                case StateKind::Any:
                    break;
                }
                if (p < Name.size())
                    Stack.emplace_back(p + 1, i);
            }
            switch (s.Kind) {
            case StateKind::Literal:
                if (UpCase(At(p)) != s.Literal)
                    return false;
                break;
            case StateKind::Set:
                if (!InSet(s, p))
                    return false;
                break;
            case StateKind::DoubleByte:
                if (At(p) != s.Lead || At(p + 1) != s.Trail)
                    return false;
                ++p;
                break;
            case StateKind::Any:
                if (p >= Name.size())
                    return false;
                break;
            }
            ++p;
        }
        return true;
    }

    const std::string& Name;
    const std::vector<MaskState>& States;
    std::vector<std::pair<size_t, size_t>> Stack;
    std::vector<bool> Tried;  // resumption points already run, made at the first one
};

}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask)
{
    std::vector<MaskState> states = MaskCompiler(mask).Compile();
    return MaskMatcher(name, states).Run();
}
