#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "cli/console.h"

namespace zarvik3::cli {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void UseUtf8Output() {}  // the terminal's locale decides, and is UTF-8 nearly everywhere

bool OutputIsTerminal() {
    return isatty(STDOUT_FILENO) != 0;
}

bool ErrorIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

std::optional<std::string> AbsolutePath(const std::string& typed) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(typed, error);
    if (error) return std::nullopt;
    std::string text = absolute.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace zarvik3::cli
