// The channel model over the audio output's voices.
#include "sound/channel.h"

namespace gus {

Channel::Channel(AudioOutput& out, std::string name, ChannelSetup setup)
    : out_(out),
      name_(std::move(name)),
      setup_(setup),
      voice_(out.createVoice(name_)),
      balance_(setup.balance),
      volume_(setup.volume) {
    out_.setGains(voice_, balance_, volume_);
}

Channel::~Channel() {
    out_.destroyVoice(voice_);
}

void Channel::setFileName(const std::string& path) {
    if (killed_) return;
    fileName_ = path;
    out_.load(voice_, path);
    if (setup_.autoStart) out_.play(voice_, setup_.playCount == 0);
}

void Channel::play() {
    // A channel that was never given a file is silent.
    if (killed_ || fileName_.empty()) return;
    out_.play(voice_, setup_.playCount == 0);
}

void Channel::stop() {
    if (!killed_) out_.stop(voice_);
}

void Channel::setBalance(int balance) {
    if (killed_) return;
    balance_ = balance;
    out_.setGains(voice_, balance_, volume_);
}

void Channel::setVolume(int volume) {
    if (killed_) return;
    volume_ = volume;
    out_.setGains(voice_, balance_, volume_);
}

bool Channel::playing() const {
    return !killed_ && out_.playing(voice_);
}

void Channel::kill() {
    if (killed_) return;
    out_.stop(voice_);
    killed_ = true;
}

ChannelArray::ChannelArray(AudioOutput& out, std::string baseName, ChannelSetup setup)
    : out_(out), baseName_(std::move(baseName)), setup_(setup) {
    append();
}

Channel& ChannelArray::append() {
    const std::string name = baseName_ + "(" + std::to_string(channels_.size()) + ")";
    channels_.push_back(std::make_unique<Channel>(out_, name, setup_));
    if (killed_) channels_.back()->kill();
    return *channels_.back();
}

void ChannelArray::createUpTo(int index) {
    while (count() <= index) append();
}

void ChannelArray::killAll() {
    killed_ = true;
    for (auto& c : channels_) c->kill();
}

Channel& ChannelGroup::channel(std::string name, ChannelSetup setup) {
    channels_.push_back(std::make_unique<Channel>(out_, std::move(name), setup));
    return *channels_.back();
}

std::vector<Channel*> ChannelGroup::row(const std::string& baseName,
                                        const std::vector<ChannelSetup>& setups) {
    std::vector<Channel*> row;
    for (const ChannelSetup& setup : setups) {
        row.push_back(&channel(baseName + "(" + std::to_string(row.size()) + ")", setup));
    }
    return row;
}

ChannelArray& ChannelGroup::array(std::string baseName, ChannelSetup setup) {
    arrays_.push_back(std::make_unique<ChannelArray>(out_, std::move(baseName), setup));
    return *arrays_.back();
}

void ChannelGroup::killAll() {
    for (auto& c : channels_) c->kill();
    for (auto& a : arrays_) a->killAll();
}

}  // namespace gus
