// The recorder and its calibration, on libpulse's threaded main loop.
#include "bench/server/monitor_recorder.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace gus::bench {

namespace {

constexpr std::uint32_t kRate = 48000;
constexpr std::size_t kFrameBytes = 2 * sizeof(float);
constexpr float kThreshold = 0.05f;
// A click counts only after this much silence, so the tail of the last one is never taken.
constexpr std::uint64_t kQuietBefore = kRate / 100;
constexpr std::size_t kClickFrames = kRate / 200;

std::int64_t steadyNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t framesToNanos(std::int64_t frames) {
    return frames * 1'000'000'000 / kRate;
}

std::int64_t realNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// When stream frame `frame` is (or was) at the sink, from the stream's latest timing report:
// a monitor's newest frame reached the sink's output sink_usec after the report, and a playback
// stream's read index did. Taken from the report itself rather than pa_stream_get_time, whose
// smoothing lags for seconds after the sink changes its latency.
std::optional<std::int64_t> whenFrameAtServer(pa_stream* s, std::uint64_t frame, bool record) {
    const pa_timing_info* t = pa_stream_get_timing_info(s);
    if (t == nullptr) return std::nullopt;
    const std::int64_t reportAgo =
        realNanos() - (static_cast<std::int64_t>(t->timestamp.tv_sec) * 1'000'000'000 +
                       static_cast<std::int64_t>(t->timestamp.tv_usec) * 1000);
    const std::int64_t reportAt = steadyNanos() - reportAgo;
    const auto index = static_cast<std::int64_t>((record ? t->write_index : t->read_index) /
                                                 static_cast<std::int64_t>(kFrameBytes));
    const auto delayUsec = static_cast<std::int64_t>(t->sink_usec) -
                           (record ? static_cast<std::int64_t>(t->source_usec) : 0);
    return reportAt + delayUsec * 1000 + framesToNanos(frame) - framesToNanos(index);
}

void signalLoop(pa_threaded_mainloop* loop) {
    pa_threaded_mainloop_signal(loop, 0);
}

}  // namespace

MonitorRecorder::MonitorRecorder(const char* source) {
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr || pa_threaded_mainloop_start(loop_) != 0) return;
    pa_threaded_mainloop_lock(loop_);
    if (connect()) record_ = openStream("monitor", true, source);
    pa_threaded_mainloop_unlock(loop_);
}

MonitorRecorder::~MonitorRecorder() {
    if (loop_ == nullptr) return;
    pa_threaded_mainloop_stop(loop_);
    for (pa_stream* s : {record_, playback_}) {
        if (s == nullptr) continue;
        pa_stream_disconnect(s);
        pa_stream_unref(s);
    }
    if (context_ != nullptr) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    pa_threaded_mainloop_free(loop_);
}

bool MonitorRecorder::connect() {
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "bench_server");
    if (context_ == nullptr) return false;
    pa_context_set_state_callback(
        context_,
        [](pa_context*, void* loop) { signalLoop(static_cast<pa_threaded_mainloop*>(loop)); },
        loop_);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context_);
        if (state == PA_CONTEXT_READY) return true;
        if (!PA_CONTEXT_IS_GOOD(state)) return false;
        pa_threaded_mainloop_wait(loop_);
    }
}

// The recorder asks for 200 ms fragments and the calibration stream for 50 ms: neither may pull
// the sink's latency below what the program under test asks for.
pa_stream* MonitorRecorder::openStream(const char* name, bool record, const char* source) {
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, kRate, 2};
    pa_stream* s = pa_stream_new(context_, name, &spec, nullptr);
    if (s == nullptr) return nullptr;
    pa_stream_set_state_callback(
        s, [](pa_stream*, void* loop) { signalLoop(static_cast<pa_threaded_mainloop*>(loop)); },
        loop_);
    pa_buffer_attr attr{};
    attr.maxlength = attr.tlength = attr.prebuf = attr.minreq = attr.fragsize = UINT32_MAX;
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
    int connected = 0;
    if (record) {
        attr.fragsize = static_cast<std::uint32_t>(kRate / 5 * kFrameBytes);
        pa_stream_set_read_callback(s, &MonitorRecorder::onRead, this);
        connected = pa_stream_connect_record(s, source, &attr, flags);
    } else {
        attr.tlength = static_cast<std::uint32_t>(kRate / 20 * kFrameBytes);
        pa_stream_set_write_callback(s, &MonitorRecorder::onWrite, this);
        connected = pa_stream_connect_playback(s, nullptr, &attr, flags, nullptr, nullptr);
    }
    pa_stream_state_t state = PA_STREAM_CREATING;
    while (connected == 0 && (state = pa_stream_get_state(s)) != PA_STREAM_READY &&
           PA_STREAM_IS_GOOD(state)) {
        pa_threaded_mainloop_wait(loop_);
    }
    if (state == PA_STREAM_READY) return s;
    pa_stream_unref(s);
    return nullptr;
}

void MonitorRecorder::onRead(pa_stream* s, std::size_t /*bytes*/, void* self) {
    auto* me = static_cast<MonitorRecorder*>(self);
    const void* data = nullptr;
    std::size_t bytes = 0;
    while (pa_stream_readable_size(s) > 0 && pa_stream_peek(s, &data, &bytes) == 0 && bytes > 0) {
        const std::size_t frames = bytes / kFrameBytes;
        if (data != nullptr)
            me->scan(static_cast<const float*>(data), frames);
        else
            me->quietFrames_ = 0;  // a hole: nothing can be said about what came before
        me->framesRead_ += frames;
        pa_stream_drop(s);
    }
}

void MonitorRecorder::scan(const float* stereo, std::size_t frames) {
    for (std::size_t f = 0; f < frames; ++f) {
        const bool loud =
            std::fabs(stereo[2 * f]) > kThreshold || std::fabs(stereo[2 * f + 1]) > kThreshold;
        if (!loud) {
            ++quietFrames_;
            continue;
        }
        if (logging_ && quietFrames_ >= kQuietBefore) {
            if (pending_.empty()) {
                pa_operation* o =
                    pa_stream_update_timing_info(record_, &MonitorRecorder::onLogTiming, this);
                if (o != nullptr) pa_operation_unref(o);
            }
            pending_.emplace_back(framesRead_ + f, quietFrames_);
        }
        if (quietFrames_ >= kQuietBefore && armed_.exchange(false)) {
            clickFrame_ = framesRead_ + f;
            pa_operation* o =
                pa_stream_update_timing_info(record_, &MonitorRecorder::onTiming, this);
            if (o != nullptr)
                pa_operation_unref(o);
            else
                clickAt_ = -1;
        }
        quietFrames_ = 0;
    }
}

// The timing report interpolated since the last automatic update lags when the sink changes its
// latency, so each click is timed on a report asked for after it was found.
void MonitorRecorder::onTiming(pa_stream* s, int success, void* self) {
    auto* me = static_cast<MonitorRecorder*>(self);
    const auto at = success ? whenFrameAtServer(s, me->clickFrame_, true) : std::nullopt;
    me->clickAt_ = at.value_or(-1);
}

void MonitorRecorder::onLogTiming(pa_stream* s, int success, void* self) {
    auto* me = static_cast<MonitorRecorder*>(self);
    for (const auto& [frame, quiet] : me->pending_) {
        const auto at = success ? whenFrameAtServer(s, frame, true) : std::nullopt;
        if (at) me->onsets_.push_back({*at, framesToNanos(static_cast<std::int64_t>(quiet))});
    }
    me->pending_.clear();
}

void MonitorRecorder::logOnsets(bool on) {
    pa_threaded_mainloop_lock(loop_);
    logging_ = on;
    if (on) onsets_.clear();
    pa_threaded_mainloop_unlock(loop_);
}

std::vector<MonitorRecorder::Onset> MonitorRecorder::onsets() {
    pa_threaded_mainloop_lock(loop_);
    std::vector<Onset> out = onsets_;
    pa_threaded_mainloop_unlock(loop_);
    return out;
}

void MonitorRecorder::arm() {
    clickAt_ = 0;
    armed_ = true;
}

std::optional<std::int64_t> MonitorRecorder::awaitClick(std::int64_t giveUpAt) const {
    while (clickAt_ == 0 && steadyNanos() < giveUpAt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (clickAt_ <= 0) return std::nullopt;
    return clickAt_.load();
}

void MonitorRecorder::onWrite(pa_stream* s, std::size_t bytes, void* self) {
    auto* me = static_cast<MonitorRecorder*>(self);
    const std::size_t frames = bytes / kFrameBytes;
    me->silence_.assign(frames * 2, 0.0f);
    const bool click = me->clickWanted_ && !me->clickSent_ && frames >= kClickFrames;
    if (click) std::fill_n(me->silence_.begin(), kClickFrames * 2, 0.5f);
    pa_stream_write(s, me->silence_.data(), frames * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE);
    if (click) {
        me->ownClickFrame_ = me->framesWritten_;
        me->clickSent_ = true;
        pa_operation* o = pa_stream_update_timing_info(s, &MonitorRecorder::onOwnTiming, me);
        if (o != nullptr)
            pa_operation_unref(o);
        else
            onOwnTiming(s, 0, me);
    }
    me->framesWritten_ += frames;
}

void MonitorRecorder::onOwnTiming(pa_stream* s, int success, void* self) {
    auto* me = static_cast<MonitorRecorder*>(self);
    if (success) me->ownClickAt_ = whenFrameAtServer(s, me->ownClickFrame_, false);
    me->clickWanted_ = me->clickSent_ = false;
    signalLoop(me->loop_);
}

std::optional<std::int64_t> MonitorRecorder::playOwnClick() {
    pa_threaded_mainloop_lock(loop_);
    ownClickAt_.reset();
    clickWanted_ = true;
    while (clickWanted_) pa_threaded_mainloop_wait(loop_);
    pa_threaded_mainloop_unlock(loop_);
    return ownClickAt_;
}

std::vector<double> MonitorRecorder::calibrate(int clicks) {
    pa_threaded_mainloop_lock(loop_);
    playback_ = openStream("calibration", false);
    pa_threaded_mainloop_unlock(loop_);
    std::vector<double> offsets;
    if (playback_ == nullptr) return offsets;
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    for (int n = 0; n < clicks; ++n) {
        arm();
        const std::optional<std::int64_t> sent = playOwnClick();
        const std::optional<std::int64_t> heard = awaitClick(steadyNanos() + 2'000'000'000);
        if (sent && heard) offsets.push_back(static_cast<double>(*heard - *sent) / 1e6);
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + n % 7));
    }
    pa_threaded_mainloop_lock(loop_);
    pa_stream_disconnect(playback_);
    pa_stream_unref(playback_);
    playback_ = nullptr;
    pa_threaded_mainloop_unlock(loop_);
    return offsets;
}

}  // namespace gus::bench
