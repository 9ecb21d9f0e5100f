#pragma once

#include <cstddef>
#include <string>

#include "register/RegisterPlace.h"

// A register of issued reports begun beside a components file ("ОХ-{NNNNN}" from 1) for as long as this
// lives; it and its folders go afterwards, so that no later report of the data folder is a draft.
class RegisterInDataFolder {
public:
    explicit RegisterInDataFolder(const std::wstring& componentsPath);
    ~RegisterInDataFolder();
    RegisterInDataFolder(const RegisterInDataFolder&) = delete;
    RegisterInDataFolder& operator=(const RegisterInDataFolder&) = delete;

    // Whether the register was begun.
    bool Started() const { return started_; }
    // Its entries, "реестр начат" the first.
    size_t Entries() const;

    const RegisterPlace place;

private:
    void Remove() const;

    bool started_ = false;
};
