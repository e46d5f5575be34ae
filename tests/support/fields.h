// Wide checks that name the field that differs: EXPECT_FIELDS(tuple(a, b, c), tuple(1, 2, 3)).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace gus::testing {

// Field i of the text "tuple(a, f(b, c), d)" ("f(b, c)" for 1), and what differs there.
template <class... G, class... W>
::testing::AssertionResult sameFields(const char* call, const char*, const std::tuple<G...>& got,
                                      const std::tuple<W...>& want) {
    static_assert(sizeof...(G) == sizeof...(W), "as many expected fields as checked ones");
    std::string wrong, name, text = call;
    int depth = 0;
    const auto check = [&](const auto& g, const auto& w) {
        for (name.clear(); depth >= 0 && !text.empty(); text.erase(0, 1)) {
            const char c = text[0];
            depth += (c == '(' || c == '{') - (c == ')' || c == '}');
            if (depth == 1 && c == ',') break;
            if (depth > 1 || (depth == 1 && c != '(' && (c != ' ' || !name.empty()))) name += c;
        }
        text.erase(0, 1);
        if (!(g == w))
            wrong += "\n  " + name + ": is " + ::testing::PrintToString(g) + ", expected " +
                     ::testing::PrintToString(w);
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
