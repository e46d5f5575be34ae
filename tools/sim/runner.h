// The headless runner's command language: one command a line in, JSON lines out.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "tools/sim/session.h"

namespace gus {

class SimRunner {
  public:
    SimRunner(std::ostream& out, std::ostream& err);
    // Runs every command; returns the exit status: 0, or 2 at the first bad command.
    int run(std::istream& in);
    // One line; false (and a message on err) when it is malformed.
    bool runLine(const std::string& line, int lineNumber);

    SimSession& session() { return session_; }

  private:
    using Words = std::vector<std::string>;
    bool execute(const Words& w);
    bool executeSet(const Words& w);
    bool fail(const std::string& problem);

    std::ostream& out_;
    std::ostream& err_;
    SimSession session_;
    int lineNumber_ = 0;
    bool failed_ = false;
};

}  // namespace gus
