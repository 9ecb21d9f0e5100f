#include "data/ChromatogramFileCheck.h"

#include <exception>
#include <new>
#include <optional>
#include <stdexcept>

#include "data/CVeltarFile4.h"
#include "platform/RegularFile.h"
#include "platform/Sha256.h"

namespace {

// A platform without SHA-256 (no provider, no memory for one) still reads the file; only its checksum
// is missing.
std::optional<Sha256> NewDigest() {
    try {
        return std::optional<Sha256>(std::in_place);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The digest's hex digits; empty when the platform's cryptography fails at the last step.
std::string Finish(Sha256& digest) {
    try {
        return digest.HexDigest();
    } catch (const std::runtime_error&) {
        return std::string();
    }
}

}  // namespace

ChromatogramFileCheck CheckChromatogramFile(const Assay& assay) {
    using State = ChromatogramFileCheck::State;
    ChromatogramFileCheck check;
    if (!FileRead(assay)) return check;
    try {
        std::optional<Sha256> digest = NewDigest();
        RegularFile file(assay.fileName);
        if (digest) file.DigestInto(&*digest);
        ChromatogramOutline now;
        if (ReadChromatogramOutline(file, now) != VeltarFileStatus::kOk) {
            check.state = State::NotRead;
            return check;
        }
        if (!SameAsLoaded(now, assay)) {
            check.state = State::Changed;
            return check;
        }
        check.state = State::Same;
        if (digest && !file.DigestFailed()) check.sha256 = Finish(*digest);
        check.checksumUnavailable = check.sha256.empty();
    } catch (const std::bad_alloc&) {
        check = ChromatogramFileCheck{State::NotRead, std::string(), false};
    }
    return check;
}
