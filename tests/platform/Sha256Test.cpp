#include "platform/Sha256.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

// The test vectors of FIPS 180-2 (NIST).
TEST(Sha256, GivesTheNistDigestsWholeOrInPiecesAndOfFiles) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    const std::string twoBlocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    EXPECT_EQ(Sha256Hex(twoBlocks), "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    const std::string million(1000000, 'a');
    Sha256 pieces;
    for (size_t at = 0; at < million.size(); at += 999)
        pieces.Update(million.data() + at, std::min<size_t>(999, million.size() - at));
    EXPECT_EQ(pieces.HexDigest(), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");

    TempFolder folder;
    EXPECT_EQ(Sha256OfFile(folder.Write(L"Проба.stg", million)),
              std::optional<std::string>("cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"));
    EXPECT_FALSE(Sha256OfFile(folder.File(L"нет.stg")).has_value());
}
