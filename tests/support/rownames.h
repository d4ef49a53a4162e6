#pragma once
// Names for the rows of value-parameterised tests, so that a failure names its row and one row runs
// alone: --gtest_filter='*/TwelvePlusFiveInFormat3' or ctest -R 'TwelvePlusFiveInFormat3$'.
// gtest refuses a program whose rows share a name, so a clash shows at once.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace rownames {

inline bool isAsciiAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// Words in CamelCase: "repayment in period 1" -> "RepaymentInPeriod1". Anything but ASCII letters
// and digits separates words.
inline std::string camelCase(std::string_view words) {
    std::string out;
    bool wordStart = true;
    for (char c : words) {
        if (!isAsciiAlnum(c)) {
            wordStart = true;
            continue;
        }
        out += wordStart && c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        wordStart = false;
    }
    return out.empty() ? "Empty" : out;
}

// A formula or a number text spelled out, keeping the case of its letters: "2*(-3)" -> "2TimesOpenMinus3Close",
// "    3" -> "BlankBlankBlankBlank3". Distinct texts keep distinct names.
inline std::string spelled(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '+': out += "Plus"; break;
        case '-': out += "Minus"; break;
        case '*': out += "Times"; break;
        case '/': out += "Over"; break;
        case '^': out += "Pow"; break;
        case '(': out += "Open"; break;
        case ')': out += "Close"; break;
        case ',': out += "Comma"; break;
        case '.': out += "Point"; break;
        case ' ': out += "Blank"; break;
        default: out += isAsciiAlnum(c) ? std::string(1, c) : "_";
        }
    }
    return out.empty() ? "Empty" : out;
}

// The name generator for rows that carry a `name`.
struct ByName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return camelCase(info.param.name);
    }
};

// Shows a named row by its name where gtest prints the parameter, instead of its bytes. A file brings
// it in with `using rownames::operator<<;` in the namespace of its rows.
template <typename Row, typename = decltype(std::declval<const Row&>().name)>
std::ostream& operator<<(std::ostream& os, const Row& row) {
    return os << camelCase(row.name);
}

// A fixture for a table whose rows are plain values: `using FormatTable = rownames::Table<FormatRow>;`.
template <typename Row>
class Table : public ::testing::TestWithParam<Row> {};

}  // namespace rownames
