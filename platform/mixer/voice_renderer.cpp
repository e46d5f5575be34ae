// Mixing one voice: runs up to the end of the sound or of the buffer, looping without a gap.
#include "platform/mixer/voice_renderer.h"

#include <algorithm>

namespace gus {

void VoiceRenderer::load(const DecodedSound* sound) {
    cutOff();
    sound_ = sound;
}

void VoiceRenderer::play(bool loop) {
    if (main_.active || sound_ == nullptr || sound_->frames() == 0) return;
    main_ = Cursor{sound_, 0, loop, true};
    fresh_ = true;
    // Nothing of this voice is sounding yet, so its gains can be taken as they are.
    gains_ = target_;
    rampLeft_ = 0;
}

void VoiceRenderer::setGains(StereoGain gains) {
    target_ = gains;
    if (main_.active && !fresh_) {
        const float frames = static_cast<float>(kGainRampFrames);
        step_ = {(target_.left - gains_.left) / frames, (target_.right - gains_.right) / frames};
        rampLeft_ = kGainRampFrames;
    } else {
        gains_ = target_;
        rampLeft_ = 0;
    }
}

void VoiceRenderer::reset() {
    cutOff();
    sound_ = nullptr;
    gains_ = target_ = StereoGain{};
    rampLeft_ = 0;
}

void VoiceRenderer::cutOff() {
    // A start that has not been heard yet leaves nothing to fade.
    if (main_.active && !fresh_) tail_ = Tail{main_, gains_, kFadeOutFrames};
    main_ = Cursor{};
    fresh_ = false;
}

bool VoiceRenderer::render(float* out, std::size_t frames) {
    if (tail_.framesLeft > 0) renderTail(out, frames);
    const bool started = fresh_ && main_.active;
    fresh_ = false;
    std::size_t done = 0;
    while (main_.active && done < frames) {
        done += renderRun(out + done * kMixChannels, frames - done);
    }
    return started;
}

std::size_t VoiceRenderer::renderRun(float* out, std::size_t frames) {
    const DecodedSound& sound = *main_.sound;
    const std::size_t run = std::min(frames, sound.frames() - main_.position);
    const float* in = sound.frame(main_.position);
    for (std::size_t i = 0; i < run; ++i) {
        if (rampLeft_ > 0) advanceRamp();
        out[2 * i] += in[2 * i] * gains_.left;
        out[2 * i + 1] += in[2 * i + 1] * gains_.right;
    }
    main_.position += run;
    if (main_.position == sound.frames()) {
        main_.position = 0;
        main_.active = main_.loop;
    }
    return run;
}

void VoiceRenderer::advanceRamp() {
    if (--rampLeft_ == 0) {
        gains_ = target_;  // no rounding drift left behind
    } else {
        gains_.left += step_.left;
        gains_.right += step_.right;
    }
}

void VoiceRenderer::renderTail(float* out, std::size_t frames) {
    Cursor& c = tail_.cursor;
    const float fadeFrames = static_cast<float>(kFadeOutFrames);
    for (std::size_t i = 0; i < frames && tail_.framesLeft > 0; ++i) {
        if (c.position == c.sound->frames()) {
            if (!c.loop) {
                tail_.framesLeft = 0;
                break;
            }
            c.position = 0;
        }
        const float envelope = static_cast<float>(tail_.framesLeft) / fadeFrames;
        const float* in = c.sound->frame(c.position);
        out[2 * i] += in[0] * tail_.gains.left * envelope;
        out[2 * i + 1] += in[1] * tail_.gains.right * envelope;
        ++c.position;
        --tail_.framesLeft;
    }
}

}  // namespace gus
