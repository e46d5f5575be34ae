// The sound files shipped beside the program, read the way the game reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/sdl/file_bytes.h"
#include "platform/sdl/wav_decoder.h"
#include "platform/sim/sim_platform.h"
#include "platform/wav_info.h"
#include "sound/catalogue.h"
#include "sound/sound_path.h"
#include "tests/audio/sound_measures.h"

namespace gus {
namespace {

struct Shipped {
    const char* file;
    double minSeconds;
    double maxSeconds;
};

// A failing file is named, not dumped as bytes.
void PrintTo(const Shipped& s, std::ostream* out) {
    *out << s.file;
}

// Steps and the tick repeat fast and must never overlap themselves; the beacon repeats every
// half second; the spoken and musical pieces are long but must not bloat the package.
constexpr Shipped kShipped[] = {
    {Sonido::PasoA, 0.01, 0.25},       {Sonido::PasoB, 0.01, 0.25},
    {Sonido::EntraGusano, 0.2, 2.0},   {Sonido::GusanoMoviendose, 0.2, 2.0},
    {Sonido::GusanoTeMata, 0.2, 2.0},  {Sonido::MuereGusano, 0.2, 2.0},
    {Sonido::Mecha, 0.005, 0.2},       {Sonido::Explosion, 0.2, 2.0},
    {Sonido::Llama, 0.2, 2.0},         {Sonido::Salida, 0.01, 0.5},
    {Sonido::Puerta, 0.2, 2.0},        {Sonido::Introduccion, 1.0, 120.0},
    {Sonido::FinalFacil, 1.0, 20.0},   {Sonido::FinalNormal, 1.0, 20.0},
    {Sonido::FinalDificil, 1.0, 20.0}, {Sonido::MusicaMenu, 10.0, 30.0},
    {Sonido::PasoGusano, 0.01, 0.25},
};

// Speech and music may be stereo and open softly; every other sound answers a key or an event,
// so it is mono and sounds at once.
bool isEffect(const std::string& file) {
    for (const SoundFile& s : kSoundCatalogue) {
        if (file == s.file)
            return std::string(s.role) != "speech" && std::string(s.role) != "music";
    }
    return true;
}

constexpr const char* kLoopedMusic = Sonido::MusicaMenu;
constexpr std::uintmax_t kMaxSetBytes = 10'000'000;  // the download stays small
constexpr double kMaxPeakDbfs = -1.0;                // headroom for the mixer's sums
constexpr double kMaxDcOffset = 0.001;
constexpr double kOnsetDbfs = -40.0;
constexpr double kMaxOnsetMs = 5.0;
constexpr double kMaxSeamRatio = 4.0;
// A copy, even one re-levelled by a decibel, lies below this; the two player steps, the closest
// pair of different sounds, lie about 4 dB apart.
constexpr double kMinDistanceDb = 2.0;

struct Loaded {
    std::vector<unsigned char> bytes;
    std::optional<WavInfo> header;
    std::unique_ptr<const DecodedSound> sound;
};

std::string shippedPath(const std::string& file) {
    return soundPath(ProgramFolder{runningProgramFolder(), '/'}, file);
}

// Each file is read and decoded once per test program, the first time a test asks for it.
const Loaded& loaded(const std::string& file) {
    static std::map<std::string, Loaded> files;
    auto found = files.find(file);
    if (found != files.end()) return found->second;
    Loaded& l = files[file];
    l.bytes = readSoundFile(shippedPath(file)).value_or(std::vector<unsigned char>{});
    l.header = parseWavHeader(l.bytes.data(), l.bytes.size());
    l.sound = decodeWavBytes(l.bytes);
    return l;
}

unsigned littleEndian(const std::vector<unsigned char>& bytes, std::size_t at, int count) {
    unsigned value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<unsigned>(i)];
    return value;
}

// Our header walk reports channels, rate and bits; whether the samples are integers is read here.
std::optional<unsigned> formatTag(const std::vector<unsigned char>& bytes) {
    std::size_t pos = 12;
    while (pos + 10 <= bytes.size()) {
        const unsigned length = littleEndian(bytes, pos + 4, 4);
        if (std::equal(bytes.begin() + pos, bytes.begin() + pos + 4, "fmt ")) {
            return littleEndian(bytes, pos + 8, 2);
        }
        pos += 8 + std::size_t{length} + (length & 1u);
    }
    return std::nullopt;
}

class ShippedSound : public ::testing::TestWithParam<Shipped> {
  protected:
    const Shipped& expected() const { return GetParam(); }
    const Loaded& file() const { return loaded(GetParam().file); }
    const DecodedSound& sound() const { return *file().sound; }
    void SetUp() override {
        ASSERT_NE(file().sound, nullptr) << "does not load: " << GetParam().file;
    }
};

TEST_P(ShippedSound, IsSixteenBitPcmAt48k) {
    ASSERT_TRUE(file().header.has_value());
    EXPECT_EQ(formatTag(file().bytes), 1u);
    EXPECT_EQ(file().header->bitsPerSample, 16);
    EXPECT_EQ(file().header->sampleRate, 48000);
    if (isEffect(expected().file)) {
        EXPECT_EQ(file().header->channels, 1);
    } else {
        EXPECT_TRUE(file().header->channels == 1 || file().header->channels == 2)
            << file().header->channels << " channels";
    }
}

TEST_P(ShippedSound, LastsAsLongAsItsRoleAllows) {
    EXPECT_GE(test::seconds(sound()), expected().minSeconds);
    EXPECT_LE(test::seconds(sound()), expected().maxSeconds);
}

TEST_P(ShippedSound, LeavesHeadroomAndCarriesNoDc) {
    EXPECT_LT(test::peakDbfs(sound()), kMaxPeakDbfs);
    EXPECT_LT(test::largestDcOffset(sound()), kMaxDcOffset);
}

TEST_P(ShippedSound, IsNeverSilentAndEffectsStartAtOnce) {
    const std::optional<double> onset = test::onsetMs(sound(), kOnsetDbfs);
    ASSERT_TRUE(onset.has_value()) << "never rises above " << kOnsetDbfs << " dBFS";
    if (isEffect(expected().file)) {
        EXPECT_LT(*onset, kMaxOnsetMs);
    }
}

std::string fileStem(const ::testing::TestParamInfo<Shipped>& info) {
    return std::filesystem::path(info.param.file).stem().string();
}

INSTANTIATE_TEST_SUITE_P(EveryFile, ShippedSound, ::testing::ValuesIn(kShipped), fileStem);

TEST(ShippedSet, MusicLoopJoinsItsEndToItsStartWithoutAJump) {
    const Loaded& music = loaded(kLoopedMusic);
    ASSERT_NE(music.sound, nullptr);
    EXPECT_LE(test::loopSeamRatio(*music.sound), kMaxSeamRatio);
}

TEST(ShippedSet, NoTwoFilesSoundAlike) {
    std::vector<test::Fingerprint> prints;
    for (const Shipped& s : kShipped) {
        ASSERT_NE(loaded(s.file).sound, nullptr) << s.file;
        prints.push_back(test::fingerprint(*loaded(s.file).sound));
    }
    for (std::size_t a = 0; a < prints.size(); ++a) {
        for (std::size_t b = a + 1; b < prints.size(); ++b) {
            EXPECT_GT(test::fingerprintDistance(prints[a], prints[b]), kMinDistanceDb)
                << kShipped[a].file << " and " << kShipped[b].file;
        }
    }
}

TEST(ShippedSet, StaysUnderTenMegabytes) {
    std::uintmax_t total = 0;
    for (const Shipped& s : kShipped) total += std::filesystem::file_size(shippedPath(s.file));
    EXPECT_LT(total, kMaxSetBytes);
}

// A sound beside the program or in the catalogue without its row here would go unchecked.
TEST(ShippedSet, TheCatalogueTheChecksAndTheProgramsFolderAgree) {
    std::set<std::string> catalogue;
    for (const SoundFile& s : kSoundCatalogue) catalogue.insert(s.file);
    std::set<std::string> checked;
    for (const Shipped& s : kShipped) checked.insert(s.file);
    std::set<std::string> beside;
    for (const auto& entry : std::filesystem::directory_iterator(runningProgramFolder())) {
        if (entry.path().extension() == ".wav") beside.insert(entry.path().filename().string());
    }
    EXPECT_EQ(checked, catalogue);
    EXPECT_EQ(beside, catalogue);
}

}  // namespace
}  // namespace gus
