// The sound files shipped beside the program, read the way the game reads them. How they sound
// (format, loudness, onsets, ends, the loop, no two alike) is measured by tools/sounds/check.sh.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "platform/program_folder.h"
#include "platform/sdl/file_bytes.h"
#include "platform/sdl/wav_decoder.h"
#include "platform/wav_info.h"
#include "sound/catalogue.h"
#include "sound/sound_path.h"

namespace gus {
namespace {

// Steps and the tick repeat fast and must never overlap themselves; the beacon repeats every
// half second; the spoken and musical pieces are long but must not bloat the package.
// clang-format off
const std::map<std::string, std::pair<double, double>> kSeconds = {
    {Sonido::PasoA, {0.01, 0.25}}, {Sonido::PasoB, {0.01, 0.25}}, {Sonido::PasoMonstruo, {0.01, 0.25}},
    {Sonido::Mecha, {0.005, 0.2}}, {Sonido::Salida, {0.01, 0.5}}, {Sonido::EntraMonstruo, {0.2, 2.0}},
    {Sonido::MonstruoMoviendose, {0.2, 2.0}}, {Sonido::MonstruoTeMata, {0.2, 2.0}},
    {Sonido::MuereMonstruo, {0.2, 2.0}}, {Sonido::Explosion, {0.2, 2.0}}, {Sonido::Llama, {0.2, 2.0}},
    {Sonido::Puerta, {0.2, 2.0}}, {Sonido::Introduccion, {1.0, 120.0}}, {Sonido::FinalFacil, {1.0, 20.0}},
    {Sonido::FinalNormal, {1.0, 20.0}}, {Sonido::FinalDificil, {1.0, 20.0}}, {Sonido::MusicaMenu, {10.0, 30.0}}};
// clang-format on

// The simulated platform times a sound by its header, the real one plays what decodes: both agree.
TEST(ShippedSounds, EachDecodesAndLastsAsLongAsItsRoleAllowsByItsHeaderToo) {
    std::set<std::string> catalogue, beside;
    for (const SoundFile& s : kSoundCatalogue) {
        catalogue.insert(s.file);
        const auto bytes = readSoundFile(soundPath({runningProgramFolder(), '/'}, s.file));
        const auto sound = bytes ? decodeWavBytes(*bytes) : nullptr;
        const auto header = bytes ? parseWavHeader(bytes->data(), bytes->size()) : std::nullopt;
        ASSERT_TRUE(sound && header && kSeconds.contains(s.file)) << s.file;
        const double seconds = static_cast<double>(sound->frames()) / kMixRate;
        EXPECT_DOUBLE_EQ(header->seconds(), seconds) << s.file;
        EXPECT_TRUE(seconds >= kSeconds.at(s.file).first && seconds <= kSeconds.at(s.file).second)
            << s.file << ": " << seconds << " s";
    }
    for (const auto& entry : std::filesystem::directory_iterator(runningProgramFolder()))
        if (entry.path().extension() == ".wav") beside.insert(entry.path().filename().string());
    EXPECT_EQ(beside, catalogue);
    EXPECT_EQ(kSeconds.size(), catalogue.size());
}

}  // namespace
}  // namespace gus
