// The entries of the sound gallery: what each one is called and how it sounds.
#pragma once

#include <array>

namespace gus {

struct GallerySound {
    const char* caption;
    const char* file;  // nothing: the entry plays no sound
    int balance;
    int volume;
};

inline constexpr int kGalleryEntries = 14;
// Entries 1 to 4 are the walls, placed around the player with their own Balance and Volume.
inline constexpr int kFirstWallEntry = 1;
inline constexpr int kLastWallEntry = 4;

const std::array<GallerySound, kGalleryEntries>& gallerySounds();

}  // namespace gus
