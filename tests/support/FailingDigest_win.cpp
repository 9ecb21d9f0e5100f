#include "support/FailingDigest.h"

// CNG cannot be made to fail from inside the process.
FailingDigest::FailingDigest() = default;
FailingDigest::~FailingDigest() = default;

bool CanMakeDigestsFail() {
    return false;
}
