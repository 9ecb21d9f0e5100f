#pragma once

#include <unknwn.h>

#include <utility>

// One counted reference to a COM object, released when its owner goes. Copying is not allowed (a
// copied raw pointer would be released twice); moving hands the reference on.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    // Adopts a reference the caller already holds (what a Create or Get call handed out).
    explicit ComPtr(T* adopted) : pointer_(adopted) {}
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }

    // Takes a reference of its own to an object someone else holds.
    static ComPtr Share(T* shared) {
        if (shared != nullptr) shared->AddRef();
        return ComPtr(shared);
    }

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // The place where a call hands out a new reference; the previous one is released first.
    T** Put() {
        Reset();
        return &pointer_;
    }

    // Hands the reference to the caller, who releases it.
    T* Detach() { return std::exchange(pointer_, nullptr); }

    void Reset() {
        if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
    }

    // Asks the object for another of its interfaces; empty when it has none.
    template <typename U>
    ComPtr<U> As(REFIID iid) const {
        ComPtr<U> other;
        if (pointer_ != nullptr) pointer_->QueryInterface(iid, reinterpret_cast<void**>(other.Put()));
        return other;
    }

private:
    T* pointer_ = nullptr;
};
