// The running program's folder from the kernel's link to its file.
#include "platform/program_folder.h"

#include <unistd.h>

#include <climits>

namespace gus {

std::string runningProgramFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string path(buffer, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    // A program in the root folder keeps its separator, as the folder rule expects.
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace gus
