// The placement rule shared by worms, the exit beacon and bombs.
#include "sound/placement.h"

#include <cmath>

#include "sound/channel.h"

namespace gus {

Placement placementFor(int sourceX, int sourceY, int playerX, int playerY, int fallOff) {
    const double dx = static_cast<double>(sourceX) - playerX;
    const double dy = static_cast<double>(playerY) - sourceY;
    const double distance = std::sqrt(dy * dy + dx * dx);
    Placement p;
    p.balance = (sourceX - playerX) * 500;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    p.volume = static_cast<int>(std::nearbyint(-(fallOff * distance)));
    return p;
}

void place(Channel& channel, const Placement& p) {
    channel.setBalance(p.balance);
    channel.setVolume(p.volume);
}

}  // namespace gus
