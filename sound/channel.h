// A sound channel: one player of one WAV file at a time, with its own Balance and Volume.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/audio_output.h"

namespace gus {

struct ChannelSetup {
    bool autoStart = false;  // setting FileName starts the file at once
    int playCount = 1;       // 1: once, then stopped; 0: repeats without end
    int volume = 0;
    int balance = 0;
};

// Balance and Volume are settings of the channel, not of the file: they survive Stop, Play and
// the loading of another file. Setting FileName always loads the file again by name.
class Channel {
  public:
    Channel(AudioOutput& out, std::string name, ChannelSetup setup);
    ~Channel();
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    const std::string& name() const { return name_; }
    const std::string& fileName() const { return fileName_; }
    void setFileName(const std::string& path);
    void play();
    void stop();
    int balance() const { return balance_; }
    void setBalance(int balance);
    int volume() const { return volume_; }
    void setVolume(int volume);
    bool playing() const;
    // The window is gone: the channel falls silent and ignores every later operation.
    void kill();

  private:
    AudioOutput& out_;
    std::string name_;
    ChannelSetup setup_;
    AudioOutput::Voice voice_;
    std::string fileName_;
    int balance_;
    int volume_;
    bool killed_ = false;
};

// WMPMonstruo(i), WMPBomba(k): element 0 exists from the start; a new element takes AutoStart
// and PlayCount from element 0 and keeps existing until the array goes.
class ChannelArray {
  public:
    ChannelArray(AudioOutput& out, std::string baseName, ChannelSetup setup);

    int count() const { return static_cast<int>(channels_.size()); }
    void createUpTo(int index);
    Channel& operator[](int index) { return *channels_.at(static_cast<std::size_t>(index)); }
    const Channel& operator[](int index) const {
        return *channels_.at(static_cast<std::size_t>(index));
    }
    void killAll();

  private:
    Channel& append();

    AudioOutput& out_;
    std::string baseName_;
    ChannelSetup setup_;
    bool killed_ = false;
    std::vector<std::unique_ptr<Channel>> channels_;
};

// The channels of one window. Each is made through the group, which owns it and silences them
// all when the window closes, so a new channel is declared in one place.
class ChannelGroup {
  public:
    explicit ChannelGroup(AudioOutput& out) : out_(out) {}

    Channel& channel(std::string name, ChannelSetup setup);
    // A fixed row of channels named base(0), base(1)... one setup each.
    std::vector<Channel*> row(const std::string& baseName, const std::vector<ChannelSetup>& setups);
    ChannelArray& array(std::string baseName, ChannelSetup setup);
    void killAll();

  private:
    AudioOutput& out_;
    std::vector<std::unique_ptr<Channel>> channels_;
    std::vector<std::unique_ptr<ChannelArray>> arrays_;
};

}  // namespace gus
