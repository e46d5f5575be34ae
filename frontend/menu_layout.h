// Where the menu's buttons go: evenly spaced down the window, in twips.
#pragma once

#include <vector>

namespace gus {

struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kMenuButtonHeight = 500;

// Rounds to the nearest whole number, halves to the even one.
long long roundHalfToEven(double value);

// The gap between buttons: the free height rounded to a whole number, divided among the
// n + 1 gaps with the fraction dropped.
int menuButtonGap(int buttons, double clientHeight);
std::vector<TwipsBox> menuButtonLayout(int buttons, double clientHeight);

int twipsToPixels(int twips);

}  // namespace gus
