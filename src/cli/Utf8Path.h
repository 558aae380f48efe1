#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavolim::cli {

// The tool's texts are UTF-8. Windows keeps paths in UTF-16 and would read a plain string in
// its code page, so paths are made from and shown as UTF-8 explicitly (the same bytes on Linux).
inline std::filesystem::path utf8Path(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string utf8Text(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

} // namespace tavolim::cli
