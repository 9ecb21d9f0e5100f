#pragma once

#include <string>

// The certificates make-test-certificates.sh made, in the folder OXY_TEST_CERTIFICATES names (as Wine sees
// it); empty when it names none.
std::wstring TestCertificates();
std::wstring TestCertificate(const std::wstring& name);

// Imports a key file of that folder (password "secret") into the user's store, as a lab imports its own
// once; certificates of the same person left there before go first.
void ImportIntoUserStore(const std::wstring& pfx);
