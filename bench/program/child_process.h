// The program under measurement as a child process, with an environment of our choosing.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>

namespace gus::bench {

class ChildProcess {
  public:
    // Starts `path` with this process's environment plus `overrides`; its output goes to
    // /dev/null so that Qt's warnings cost nothing and clutter nothing.
    ChildProcess(const std::string& path, const std::map<std::string, std::string>& overrides);
    // Ends it (see end()) if still running.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    // False once it has exited by itself (it is then reaped).
    bool running();
    // SIGTERM, up to two seconds to go, then SIGKILL; reaps it.
    void end();

  private:
    pid_t pid_ = -1;
};

}  // namespace gus::bench
