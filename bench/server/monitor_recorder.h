// Listens to the default sink's monitor through the server's own client library, and times clicks.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace gus::bench {

// Works with PulseAudio and with PipeWire's PulseAudio layer alike. Every time is steady-clock
// nanoseconds: the moment the server says a click's first sample was mixed into the sink.
class MonitorRecorder {
  public:
    // A sound's first sample at the sink and how long the sink was silent before it (ns).
    struct Onset {
        std::int64_t at;
        std::int64_t quietBefore;
    };

    // Records the given source; by default the default sink's monitor.
    explicit MonitorRecorder(const char* source = "@DEFAULT_MONITOR@");
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    bool opened() const { return record_ != nullptr; }
    // The next sample above the threshold, once armed, is taken as the click's first.
    void arm();
    std::optional<std::int64_t> awaitClick(std::int64_t giveUpAt) const;
    // Clicks written into a playback stream of our own, each timed by that stream's report of
    // when it reaches the sink and found again by the recorder: how far (ms) the recorder's
    // times lie from that report. Printed, not taken off: on PipeWire's PulseAudio layer the two
    // disagree by some 21 ms, and taking that off would put sound at the sink before our callback.
    std::vector<double> calibrate(int clicks);
    // From now on every sound's first sample is timed and kept, until logging stops.
    void logOnsets(bool on);
    std::vector<Onset> onsets();

  private:
    static void onRead(pa_stream* s, std::size_t bytes, void* self);
    static void onWrite(pa_stream* s, std::size_t bytes, void* self);
    static void onTiming(pa_stream* s, int success, void* self);
    static void onOwnTiming(pa_stream* s, int success, void* self);
    static void onLogTiming(pa_stream* s, int success, void* self);
    bool connect();
    pa_stream* openStream(const char* name, bool record, const char* source = nullptr);
    void scan(const float* stereo, std::size_t frames);
    std::optional<std::int64_t> playOwnClick();

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* record_ = nullptr;
    pa_stream* playback_ = nullptr;
    std::uint64_t framesRead_ = 0;
    std::uint64_t framesWritten_ = 0;
    bool clickWanted_ = false;
    bool clickSent_ = false;
    std::uint64_t clickFrame_ = 0;
    std::uint64_t ownClickFrame_ = 0;
    std::optional<std::int64_t> ownClickAt_;
    std::vector<float> silence_;
    std::uint64_t quietFrames_ = 0;
    std::atomic<bool> armed_{false};
    std::atomic<std::int64_t> clickAt_{0};
    bool logging_ = false;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> pending_;  // frame, quiet frames
    std::vector<Onset> onsets_;
};

}  // namespace gus::bench
