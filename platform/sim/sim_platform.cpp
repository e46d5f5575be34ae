// The simulated platform's clock, random numbers, beep, boxes and screen reader.
#include "platform/sim/sim_platform.h"

#include "platform/program_folder.h"

namespace gus {

void SimLog::add(SimEvent e) {
    if (sink_) sink_(e);
    if (keep_) events_.push_back(std::move(e));
}

TimeOfDay SimClock::localTime() const {
    const Millis startSeconds = start_.hour * 3600 + start_.minute * 60 + start_.second;
    const Millis seconds = (startSeconds + s_.now() / 1000) % 86400;
    return TimeOfDay{static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                     static_cast<int>(seconds % 60)};
}

double SimRandom::next() {
    if (forced_.empty()) return engine_.next();
    const double r = forced_.front();
    forced_.pop_front();
    return r;
}

void SimBeeper::beep() {
    SimEvent e;
    e.kind = SimEvent::Kind::Beep;
    e.t = s_.now();
    log_.add(std::move(e));
}

Answer SimDialogs::messageBox(const std::string& text, const std::string& title, Buttons buttons) {
    Answer answer = Answer::Ok;
    if (buttons == Buttons::YesNo) {
        answer = Answer::No;
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
    }
    SimEvent e;
    e.kind = SimEvent::Kind::Box;
    e.t = s_.now();
    e.text = text;
    e.title = title.empty() ? kProgramTitle : title;
    e.buttons = buttons;
    e.answer = answer;
    log_.add(std::move(e));
    if (onBox_) onBox_();
    return answer;
}

void SimScreenReader::say(const std::string& text) {
    SimEvent e;
    e.kind = SimEvent::Kind::Speak;
    e.t = s_.now();
    e.text = text;
    log_.add(std::move(e));
}

SimPlatform::SimPlatform() {
    folder.path = runningProgramFolder();
    folder.separator = '/';
}

}  // namespace gus
