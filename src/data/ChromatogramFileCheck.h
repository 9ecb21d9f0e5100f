#pragma once

#include <string>

#include "data/Assay.h"

// What reading a listed chromatogram's file again, when a report is made of it, found.
struct ChromatogramFileCheck {
    enum class State {
        NotLoaded,  // the file did not read when the chromatogram was loaded: there is nothing to hold it to
        Same,       // it still says what was loaded
        Changed,    // its header, a block header or its passport says something else now
        NotRead,    // it does not read now: gone, held by another program, damaged, or memory ran out
    };
    State state = State::NotLoaded;
    std::string sha256;  // of the whole file, when Same; empty when the platform could not make it
    // The file is the same, but the platform could not make its SHA-256: the report is made all the same
    // and says that the checksum is unavailable.
    bool checksumUnavailable = false;
};

// Reads the chromatogram's file once, whole, for its SHA-256, and holds what its header, block headers
// and passport say against what loading read.
ChromatogramFileCheck CheckChromatogramFile(const Assay& assay);
