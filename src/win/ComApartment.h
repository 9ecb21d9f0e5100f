#pragma once

#include <objbase.h>

// COM initialised on the calling thread as a single-threaded apartment for the owner's lifetime.
// On a thread that is already such an apartment (a host's user-interface thread) this only counts
// one more initialisation, which the destructor takes back.
class ComApartment {
public:
    ComApartment() : result_(CoInitialize(nullptr)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // False when the thread is already in another apartment model (or COM failed).
    bool Entered() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};
