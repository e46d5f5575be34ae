// Playing a recorded game, finding where it departs from the recording, and writing it anew.
#include "tools/sim/recording.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <sstream>

#include "tools/sim/runner.h"

namespace gus::recording {

namespace {

bool starts(const std::string& line, const char* prefix) {
    return line.rfind(prefix, 0) == 0;
}

bool isCommand(const std::string& line) {
    return !starts(line, "#") && line.find_first_not_of(" \t") != std::string::npos;
}

// A member's value, without its JSON quotes.
std::string value(const Fields& f, const char* name) {
    for (const auto& [n, v] : f)
        if (n == name) return v.size() >= 2 && v.front() == '"' ? v.substr(1, v.size() - 2) : v;
    return "";
}

std::string kindOf(const std::string& compactLine) {
    if (starts(compactLine, "{")) return "state";
    const std::size_t from = compactLine.find(' ') + 1;
    return compactLine.substr(from, compactLine.find(' ', from) - from);
}

// The values of a compact line, a quoted one whole.
Lines valuesOf(const std::string& line) {
    Lines values;
    for (std::size_t i = 0; i < line.size(); ++i) {
        std::size_t end = line[i] == '"' ? i + 1 : line.find(' ', i);
        while (line[i] == '"' && end < line.size() && line[end] != '"')
            end += line[end] == '\\' ? 2 : 1;
        end = std::min(line[i] == '"' ? end + 1 : end, line.size());
        values.push_back(line.substr(i, end - i));
        i = end;
    }
    return values;
}

std::string turningPoint(const Fields& f) {
    const std::string kind = value(f, "ev"), text = value(f, "text");
    if (kind == "box") return value(f, "title") + ": " + text + " (" + value(f, "answer") + ")";
    if (kind == "dialog") return "the game is won: " + value(f, "window");
    if (kind == "speak" && text.find("muerto") != std::string::npos) return "a death: " + text;
    return "";
}

}  // namespace

Fields fieldsOf(const std::string& json) {
    if (json.find("\"ev\":\"state\"") != std::string::npos) return {{"state", json}};
    Fields fields;
    for (std::size_t i = 1; i < json.size() && json[i] == '"';) {
        const std::size_t colon = json.find("\":", i);
        std::size_t end = colon + 2;
        if (json[end] == '"') {
            while (json[++end] != '"') end += json[end] == '\\' ? 1 : 0;
            ++end;
        } else {
            end = json.find_first_of(",}", end);
        }
        std::string v = json.substr(colon + 2, end - colon - 2);
        if (v.size() > 2 && v.front() == '"' && v.find_first_of(" \\#", 1) == std::string::npos)
            v = v.substr(1, v.size() - 2);
        fields.emplace_back(json.substr(i + 1, colon - i - 1), v);
        i = end + 1;
    }
    return fields;
}

std::string compact(const Fields& fields) {
    std::string line;
    for (const auto& [name, v] : fields) line += (line.empty() ? "" : " ") + v;
    return line;
}

Played play(const Lines& file) {
    std::ostringstream out, err;
    SimRunner runner(out, err);
    Played p;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (starts(file[i], "#> ") && !p.commands.empty())
            p.commands.back().recorded.push_back(file[i].substr(3));
        if (!isCommand(file[i])) continue;
        if (!runner.runLine(file[i], static_cast<int>(i + 1)) && p.refused.empty())
            p.refused = err.str();
        p.commands.push_back({i, {}, {}});
        std::istringstream written(out.str());
        out.str("");
        for (std::string json; std::getline(written, json);) {
            Fields f = fieldsOf(json);
            p.won = p.won || value(f, "ev") == "dialog";
            p.gamesLost += value(f, "buttons") == "yesno";
            p.commands.back().written.push_back(std::move(f));
        }
    }
    p.phase = runner.session().form.Fase;
    return p;
}

std::string firstDifference(const std::string& name, const Lines& file, const Played& p) {
    for (std::size_t k = 0; k < p.commands.size(); ++k) {
        const Played::Command& c = p.commands[k];
        const std::size_t n = std::max(c.written.size(), c.recorded.size());
        std::size_t j = 0;
        while (j < n && j < c.written.size() && j < c.recorded.size() &&
               compact(c.written[j]) == c.recorded[j])
            ++j;
        if (j == n) continue;
        std::ostringstream m;
        m << name << ':' << c.line + 1 << ": `" << file[c.line]
          << "` led to the first line that differs, its line " << j + 1 << ":\n";
        for (std::size_t b = k >= 3 ? k - 3 : 0; b <= k; ++b) {
            m << "  " << file[p.commands[b].line] << '\n';
            for (std::size_t i = 0; i < (b < k ? p.commands[b].recorded.size() : j); ++i)
                m << "    " << p.commands[b].recorded[i] << '\n';
        }
        const std::string want = j < c.recorded.size() ? c.recorded[j] : "(nothing)";
        const std::string got = j < c.written.size() ? compact(c.written[j]) : "(nothing)";
        m << "  recorded: " << want << "\n  written:  " << got << '\n';
        const Lines a = valuesOf(want), b = valuesOf(got);
        const Fields names = j < c.written.size() ? c.written[j] : Fields{};
        for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
            const std::string x = i < a.size() ? a[i] : "(none)",
                              y = i < b.size() ? b[i] : "(none)";
            if (x == y) continue;
            m << "  " << (i < names.size() ? names[i].first : "value " + std::to_string(i + 1))
              << ": recorded " << x << ", written " << y << '\n';
        }
        return m.str();
    }
    return "";
}

std::string changeSummary(const Played& p) {
    std::map<std::string, std::pair<Lines, Lines>> byKind;  // recorded, written
    for (const Played::Command& c : p.commands) {
        for (const std::string& l : c.recorded) byKind[kindOf(l)].first.push_back(l);
        for (const Fields& f : c.written) byKind[kindOf(compact(f))].second.push_back(compact(f));
    }
    std::ostringstream s;
    for (const auto& [kind, lines] : byKind) {
        const auto& [a, b] = lines;
        const std::size_t both = std::min(a.size(), b.size());
        std::size_t same = 0, timeOnly = 0;
        for (std::size_t i = 0; i < both; ++i) {
            same += a[i] == b[i] ? 1 : 0;
            timeOnly += a[i] != b[i] && a[i].substr(a[i].find(' ')) == b[i].substr(b[i].find(' '));
        }
        s << "  " << kind << ": " << a.size() << " lines recorded, " << b.size() << " written; "
          << same << " alike, " << timeOnly << " at another time only, " << both - same - timeOnly
          << " changed\n";
    }
    return s.str();
}

void write(std::ostream& out, const Lines& file, const Played& p) {
    std::size_t k = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (starts(file[i], "#> ") || starts(file[i], "#= ")) continue;
        out << file[i] << '\n';
        if (k >= p.commands.size() || p.commands[k].line != i) continue;
        for (const Fields& f : p.commands[k].written) {
            out << "#> " << compact(f) << '\n';
            if (const std::string turn = turningPoint(f); !turn.empty())
                out << "#= " << turn << '\n';
        }
        ++k;
    }
}

}  // namespace gus::recording
