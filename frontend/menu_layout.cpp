// The menu's button layout rule.
#include "frontend/menu_layout.h"

#include <cmath>

namespace gus {

long long roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    auto whole = static_cast<long long>(below);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) ++whole;
    return whole;
}

int menuButtonGap(int buttons, double clientHeight) {
    const long long free = roundHalfToEven(clientHeight - buttons * kMenuButtonHeight);
    return static_cast<int>(free / (buttons + 1));
}

std::vector<TwipsBox> menuButtonLayout(int buttons, double clientHeight) {
    const int gap = menuButtonGap(buttons, clientHeight);
    std::vector<TwipsBox> boxes;
    for (int i = 0; i < buttons; ++i) {
        boxes.push_back(
            TwipsBox{1000, (i + 1) * gap + i * kMenuButtonHeight, 4000, kMenuButtonHeight});
    }
    return boxes;
}

int twipsToPixels(int twips) {
    return static_cast<int>(roundHalfToEven(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace gus
