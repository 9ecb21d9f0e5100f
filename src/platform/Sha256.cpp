#include "platform/Sha256.h"

#include <vector>

#include "platform/StdioFile.h"

std::string Sha256Hex(std::string_view bytes) {
    Sha256 hash;
    hash.Update(bytes.data(), bytes.size());
    return hash.HexDigest();
}

std::optional<std::string> Sha256OfFile(const std::wstring& path) {
    const StdioFile file = OpenStdioFile(path, "rb");
    if (!file) return std::nullopt;
    Sha256 hash;
    std::vector<char> block(1 << 16);
    size_t read = 0;
    while ((read = std::fread(block.data(), 1, block.size(), file.get())) > 0)
        hash.Update(block.data(), read);
    if (std::ferror(file.get())) return std::nullopt;
    return hash.HexDigest();
}
