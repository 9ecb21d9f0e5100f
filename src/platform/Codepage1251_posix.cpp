#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

#include "platform/Codepage1251.h"

namespace {

// Windows-1251 leaves 0x98 undefined; iconv refuses it, Windows maps it to U+0098 both ways.
constexpr unsigned char kUndefinedByte = 0x98;

struct IconvCloser {
    void operator()(void* descriptor) const noexcept { iconv_close(static_cast<iconv_t>(descriptor)); }
};
using Iconv = std::unique_ptr<void, IconvCloser>;

// A converter between the two encodings, or null (errno tells why) when there is none.
Iconv OpenIconv(const char* to, const char* from) {
    const iconv_t descriptor = iconv_open(to, from);
    return Iconv(descriptor == reinterpret_cast<iconv_t>(-1) ? nullptr : descriptor);
}

// Converts one run of input; false when the input stops at a unit that cannot be converted.
bool Convert(void* descriptor, char*& in, size_t& inLeft, char*& out, size_t& outLeft) {
    return iconv(static_cast<iconv_t>(descriptor), &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
}

}  // namespace

std::wstring FromCodepage1251(std::string_view bytes) {
    std::wstring text(bytes.size(), L'\0');
    const Iconv converter = OpenIconv("WCHAR_T", "CP1251");
    // An empty text would pass for an empty components file and give a results table of zeros. The C
    // library loads the converter on first use, so memory that runs out can show as a missing one.
    if (!converter) {
        if (errno == ENOMEM) throw std::bad_alloc();
        throw std::runtime_error("the converter from Windows-1251 did not load (is memory short?)");
    }
    std::string input(bytes);
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = reinterpret_cast<char*>(text.data());
    size_t outLeft = text.size() * sizeof(wchar_t);
    while (inLeft > 0 && !Convert(converter.get(), in, inLeft, out, outLeft)) {
        if (errno != EILSEQ || outLeft < sizeof(wchar_t)) break;
        const wchar_t c = static_cast<unsigned char>(*in);
        std::memcpy(out, &c, sizeof c);
        out += sizeof c;
        outLeft -= sizeof c;
        ++in;
        --inLeft;
    }
    text.resize(text.size() - outLeft / sizeof(wchar_t));
    return text;
}

std::optional<std::string> ToCodepage1251(std::wstring_view text) {
    std::string bytes(text.size(), '\0');
    const Iconv converter = OpenIconv("CP1251", "WCHAR_T");
    if (!converter) return std::nullopt;
    std::wstring input(text);
    char* in = reinterpret_cast<char*>(input.data());
    size_t inLeft = input.size() * sizeof(wchar_t);
    char* out = bytes.data();
    size_t outLeft = bytes.size();
    while (inLeft > 0 && !Convert(converter.get(), in, inLeft, out, outLeft)) {
        wchar_t c;
        std::memcpy(&c, in, sizeof c);
        if (errno != EILSEQ || c != kUndefinedByte || outLeft == 0) return std::nullopt;
        *out++ = static_cast<char>(kUndefinedByte);
        --outLeft;
        in += sizeof c;
        inLeft -= sizeof c;
    }
    return bytes;
}
