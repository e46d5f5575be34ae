// Lookup first; the decoder runs only for a path never seen.
#include "platform/sdl/sound_cache.h"

namespace gus {

const DecodedSound* SoundCache::get(const std::string& path) {
    auto found = sounds_.find(path);
    if (found == sounds_.end()) found = sounds_.emplace(path, decode_(path)).first;
    return found->second.get();
}

}  // namespace gus
