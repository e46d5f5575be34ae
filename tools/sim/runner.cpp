// Parsing and running the runner's commands; every number is checked against its range.
#include "tools/sim/runner.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>

#include "tools/sim/sim_json.h"

namespace gus {

namespace {

inline constexpr long long kMaxWait = 24LL * 60 * 60 * 1000;

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool parseInt(const std::string& s, long long low, long long high, long long& out) {
    const char* end = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(s.data(), end, out);
    return ec == std::errc() && ptr == end && out >= low && out <= high;
}

bool parseDraw(const std::string& s, double& out) {
    std::istringstream in(s);
    in >> out;
    return in && in.peek() == EOF && out >= 0.0 && out < 1.0;
}

bool parseClock(const std::string& s, TimeOfDay& t) {
    long long h = 0, m = 0, sec = 0;
    if (s.size() != 8 || s[2] != ':' || s[5] != ':') return false;
    return parseInt(s.substr(0, 2), 0, 23, h) && parseInt(s.substr(3, 2), 0, 59, m) &&
           parseInt(s.substr(6, 2), 0, 59, sec) &&
           (t = TimeOfDay{static_cast<int>(h), static_cast<int>(m), static_cast<int>(sec)}, true);
}

}  // namespace

SimRunner::SimRunner(std::ostream& out, std::ostream& err) : out_(out), err_(err) {
    session_.p.log.setKeep(false);
    session_.p.log.setSink([this](const SimEvent& e) { out_ << eventJson(e) << '\n'; });
}

int SimRunner::run(std::istream& in) {
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        if (!runLine(line, ++number)) return 2;
    }
    out_.flush();
    return 0;
}

bool SimRunner::runLine(const std::string& line, int lineNumber) {
    lineNumber_ = lineNumber;
    const Words w = splitWords(line);
    if (w.empty() || w[0][0] == '#') return true;
    return execute(w);
}

bool SimRunner::fail(const std::string& problem) {
    err_ << "line " << lineNumber_ << ": " << problem << '\n';
    return false;
}

bool SimRunner::execute(const Words& w) {
    const std::string& c = w[0];
    long long a = 0, b = 0;
    if (c == "seed" && w.size() == 2) {
        if (!parseInt(w[1], INT32_MIN, INT32_MAX, a)) return fail("seed needs a 32-bit integer");
        session_.p.random.overrideSeed(static_cast<std::int32_t>(a));
    } else if (c == "clock" && w.size() == 2) {
        TimeOfDay t;
        if (!parseClock(w[1], t)) return fail("clock needs HH:MM:SS");
        session_.p.clock.setStart(t);
    } else if (c == "difficulty" && w.size() == 2) {
        if (!parseInt(w[1], 0, 2, a)) return fail("difficulty must be 0, 1 or 2");
        session_.dificultad = static_cast<Entero>(a);
    } else if (c == "random" && w.size() >= 2) {
        for (std::size_t i = 1; i < w.size(); ++i) {
            double r = 0;
            if (!parseDraw(w[i], r)) return fail("a draw must be a number in [0, 1)");
            session_.p.random.force(r);
        }
    } else if (c == "load" && w.size() == 1) {
        if (!session_.game.loaded()) session_.load();
    } else if (c == "unload" && w.size() == 1) {
        session_.unload();
    } else if (c == "key" && (w.size() == 2 || w.size() == 3)) {
        if (!parseInt(w[1], 0, 255, a)) return fail("key code must be 0 to 255");
        if (w.size() == 3 && !parseInt(w[2], 0, 7, b)) return fail("modifier must be 0 to 7");
        session_.key(static_cast<Entero>(a), static_cast<Entero>(b));
    } else if (c == "wait" && w.size() == 2) {
        if (!parseInt(w[1], 0, kMaxWait, a)) return fail("wait must be 0 to 86400000 ms");
        session_.wait(a);
    } else if (c == "answer" && w.size() == 2 && (w[1] == "yes" || w[1] == "no")) {
        session_.p.rawDialogs.queueAnswer(w[1] == "yes" ? Answer::Yes : Answer::No);
    } else if (c == "state" && w.size() == 1) {
        out_ << stateJson(session_) << '\n';
    } else if (c == "set" && w.size() >= 2) {
        bool ok = false;
        session_.change([&] { ok = executeSet(w); });
        return ok;
    } else {
        return fail("unknown or malformed command '" + c + "'");
    }
    return true;
}

bool SimRunner::executeSet(const Words& w) {
    Form1& f = session_.form;
    const std::string& what = w[1];
    long long x = 0, y = 0, slot = 0, dir = 0, n = 0;
    if (what == "player" && w.size() == 4) {
        if (!parseInt(w[2], kBordeMin, kBordeMax, x) || !parseInt(w[3], kBordeMin, kBordeMax, y)) {
            return fail("a cell must lie within -1 to 14");
        }
        f.Jugador.X = static_cast<Entero>(x);
        f.Jugador.Y = static_cast<Entero>(y);
    } else if (what == "monster" && w.size() == 6) {
        if (!parseInt(w[2], 0, kRanurasMonstruo - 1, slot)) return fail("slot must be 0 to 15");
        if (!parseInt(w[3], kBordeMin, kBordeMax, x) || !parseInt(w[4], kBordeMin, kBordeMax, y)) {
            return fail("a cell must lie within -1 to 14");
        }
        if (!parseInt(w[5], 0, 4, dir)) return fail("heading must be 0 to 4");
        f.colocaMonstruoEn(static_cast<int>(slot), static_cast<int>(x), static_cast<int>(y),
                           static_cast<Entero>(dir));
    } else if (what == "phase" && w.size() == 3) {
        if (!parseInt(w[2], 1, 25, n)) return fail("phase must be 1 to 25");
        f.Fase = static_cast<Entero>(n);
    } else if (what == "lives" && w.size() == 3) {
        if (!parseInt(w[2], 0, 5, n)) return fail("lives must be 0 to 5");
        f.Vidas = static_cast<Entero>(n);
    } else if (what == "waiting" && w.size() == 3) {
        if (!parseInt(w[2], 0, 325, n)) return fail("waiting must be 0 to 325");
        f.MonstruosPorEntrar = static_cast<Entero>(n);
    } else if (what == "turn" && w.size() == 3) {
        if (!parseInt(w[2], 0, 1, n)) return fail("turn must be 0 or 1");
        f.GiroReciente = n == 1 ? VERDADERO : FALSO;
    } else {
        return fail("unknown or malformed set '" + what + "'");
    }
    return true;
}

}  // namespace gus
