// Phase 25 at the hardest difficulty, kept full: 15 worms walking, 5 bombs ticking, the exit open.
#pragma once

#include "game/form1.h"

namespace gus::bench {

// Sets the board up in a loaded game window and keeps it so. The player stands still at his
// start; worms and flames may still kill him, so every pass gives his lives back, lets worms in
// again where some died, and keeps at least one worm waiting so the phase never ends.
class Phase25Load {
  public:
    void setUp(Form1& f);
    // Called a few times a second, outside the game's own events.
    void keepUp(Form1& f);

    int bombsLaid() const { return bombsLaid_; }
    int wormsPutBack() const { return wormsPutBack_; }
    int livesGivenBack() const { return livesGivenBack_; }
    int wormsOnBoard(const Form1& f) const;
    int liveBombs(const Form1& f) const;

  private:
    void putWorm(Form1& f, int slot, int x, int y);
    void fillWorms(Form1& f);
    void layBomb(Form1& f);
    void openExit(Form1& f);

    int nextBombCell_ = 0;
    int bombsLaid_ = 0;
    int wormsPutBack_ = 0;
    int livesGivenBack_ = 0;
};

}  // namespace gus::bench
