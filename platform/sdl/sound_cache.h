// Decoded sounds by path: each file is decoded once, on first use.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/mixer/decoded_sound.h"

namespace gus {

// A file that failed stays failed, so a missing sound is not looked for again on every key.
// Sounds live as long as the cache, because the mixer holds raw pointers to them.
class SoundCache {
  public:
    using Decoder = std::function<std::unique_ptr<const DecodedSound>(const std::string& path)>;

    explicit SoundCache(Decoder decode) : decode_(std::move(decode)) {}

    // Null: the file is missing or broken, and the voice stays silent.
    const DecodedSound* get(const std::string& path);
    std::size_t size() const { return sounds_.size(); }

  private:
    Decoder decode_;
    std::unordered_map<std::string, std::unique_ptr<const DecodedSound>> sounds_;
};

}  // namespace gus
