#pragma once

// While an object of this type lives, SHA-256 fails part-way, as on a platform whose cryptography breaks
// down: every further piece given to a digest is refused. Only where the platform's cryptography can be
// made to fail (OpenSSL's, on Linux): see CanMakeDigestsFail.
class FailingDigest {
public:
    FailingDigest();
    ~FailingDigest();
    FailingDigest(const FailingDigest&) = delete;
    FailingDigest& operator=(const FailingDigest&) = delete;
};

bool CanMakeDigestsFail();
