#pragma once

#include <windows.h>

#include <string>

// An HMODULE loaded with LoadLibraryW and freed with FreeLibrary when its owner goes.
class LibraryModule {
public:
    LibraryModule() = default;
    explicit LibraryModule(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {}
    ~LibraryModule() { Reset(); }
    LibraryModule(const LibraryModule&) = delete;
    LibraryModule& operator=(const LibraryModule&) = delete;
    LibraryModule(LibraryModule&& other) noexcept : module_(other.Release()) {}
    LibraryModule& operator=(LibraryModule&& other) noexcept {
        if (this != &other) {
            Reset();
            module_ = other.Release();
        }
        return *this;
    }

    HMODULE Get() const { return module_; }
    explicit operator bool() const { return module_ != nullptr; }
    HMODULE Release() {
        HMODULE module = module_;
        module_ = nullptr;
        return module;
    }
    void Reset() {
        if (module_ != nullptr) FreeLibrary(module_);
        module_ = nullptr;
    }

private:
    HMODULE module_ = nullptr;
};

// A function a module exports by name, as the given pointer type; null when it has none.
template <typename Function>
Function ExportedFunction(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The full path of a loaded module's file.
std::wstring ModuleFileName(HMODULE module);
