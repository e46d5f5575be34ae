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

// Where the step is heard from each wall beside the player, north, east, south, west: the game
// window's Wmp1(0) to Wmp1(3) once it has loaded, and the gallery's four wall entries.
inline constexpr Placement kWallPlacements[4] = {
    {0, -600}, {3000, -600}, {200, -300}, {-3000, -600}};

// Balance = 500 per column east of the player; Volume = -(k x distance), halves to even.
// No limit is applied: every cell of the board and its border stays inside the channel ranges.
Placement placementFor(int sourceX, int sourceY, int playerX, int playerY, int fallOff);

// Sets Balance first, then Volume.
void place(Channel& channel, const Placement& p);

}  // namespace gus
