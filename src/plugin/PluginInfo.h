#pragma once

#include <cstddef>
#include <cstdint>

#include "res/ProductVersion.h"

// What GetPluginInfo hands the host: a static 48-byte record (32-bit pointers).
struct PluginInfo {
    uint32_t size;
    const wchar_t* shortName;
    uint32_t version;  // one byte per component, major first
    const wchar_t* description;
    const wchar_t* vendorName;
    const wchar_t* vendorContact;
    const wchar_t* copyright;
    const wchar_t* webSite;
    struct {
        uint32_t data1;
        uint16_t data2;
        uint16_t data3;
        uint8_t data4[8];
    } id;
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(PluginInfo) == 48, "the record is 48 bytes");
static_assert(offsetof(PluginInfo, version) == 8 && offsetof(PluginInfo, webSite) == 28 &&
                  offsetof(PluginInfo, id) == 32,
              "field offsets are the host's");
#endif

// The record itself, in the plug-in's read-only data.
const PluginInfo& ThePluginInfo();
