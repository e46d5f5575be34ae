// Plain-file check first, then one read of the whole file.
#include "platform/sdl/file_bytes.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace gus {

std::optional<std::vector<unsigned char>> readSoundFile(const std::string& path,
                                                        std::size_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || error) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > maxBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(in.gcount()) != bytes.size()) return std::nullopt;
    return bytes;
}

}  // namespace gus
