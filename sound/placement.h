// Where a sound on the board is heard: Balance from the columns between source and player,
// Volume from the straight-line distance.
#pragma once

namespace gus {

class Channel;

struct Placement {
    int balance = 0;
    int volume = 0;
};

// Fall-off per cell, in hundredths of a decibel.
inline constexpr int kFallOffStep = 300;  // steps, the beacon, fuse ticks
inline constexpr int kFallOffDeath = 50;  // a dying worm carries much farther

// Balance = 500 per column east of the player; Volume = -(k x distance), halves to even.
// No limit is applied: every cell of the board and its border stays inside the channel ranges.
Placement placementFor(int sourceX, int sourceY, int playerX, int playerY, int fallOff);

// Sets Balance first, then Volume.
void place(Channel& channel, const Placement& p);

}  // namespace gus
