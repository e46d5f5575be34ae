// Wide checks that name the field that differs: EXPECT_FIELDS(tuple(a, b, c), tuple(1, 2, 3)).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace gus::testing {

// The top-level arguments of the text "tuple(a, f(b, c), d)": "a", "f(b, c)", "d".
inline std::vector<std::string> fieldNames(const std::string& call) {
    std::vector<std::string> names(1);
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = call.find('(') + 1; i + 1 < call.size(); ++i) {
        const char c = call[i];
        quoted = quoted != (c == '"' && call[i - 1] != '\\');
        if (!quoted) depth += (c == '(' || c == '{') - (c == ')' || c == '}');
        if (!quoted && depth == 0 && c == ',')
            names.emplace_back();
        else if (!names.back().empty() || c != ' ')
            names.back() += c;
    }
    return names;
}

template <class... G, class... W>
::testing::AssertionResult sameFields(const char* call, const char*, const std::tuple<G...>& got,
                                      const std::tuple<W...>& want) {
    static_assert(sizeof...(G) == sizeof...(W), "as many expected fields as checked ones");
    const std::vector<std::string> names = fieldNames(call);
    std::string wrong;
    std::size_t i = 0;
    const auto check = [&](const auto& g, const auto& w) {
        if (!(g == w))
            wrong += "\n  " + (i < names.size() ? names[i] : std::to_string(i)) + ": is " +
                     ::testing::PrintToString(g) + ", expected " + ::testing::PrintToString(w);
        ++i;
    };
    std::apply(
        [&](const auto&... g) { std::apply([&](const auto&... w) { (check(g, w), ...); }, want); },
        got);
    if (wrong.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "Fields that differ:" << wrong;
}

}  // namespace gus::testing

// Takes context like EXPECT_EQ does: EXPECT_FIELDS(...) << "case " << n;
#define EXPECT_FIELDS(got, want) EXPECT_PRED_FORMAT2(::gus::testing::sameFields, got, want)
