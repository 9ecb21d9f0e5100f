#pragma once

// The product's version and maker, in one place for the plug-in's record, the dialogs and the version
// resources. Plain macros, so that the resource compiler reads them too.

#define OXY_VERSION_MAJOR 1
#define OXY_VERSION_MINOR 1
#define OXY_VERSION_PATCH 1
#define OXY_VERSION_BUILD 0
#define OXY_VERSION_TEXT "1.1.1.0"
#define OXY_VENDOR_NAME "ООО «Оксилаб»"
#define OXY_VENDOR_COPYRIGHT "© ООО «Оксилаб», 2026"
#define OXY_PRODUCT_NAME "oxycalc — Расчёт 207 для Veltar"

#ifdef __cplusplus
#include <cstdint>

// One byte per component, major first, as the host reads it.
constexpr uint32_t kPluginVersion =
    (OXY_VERSION_MAJOR << 24) | (OXY_VERSION_MINOR << 16) | (OXY_VERSION_PATCH << 8) | OXY_VERSION_BUILD;
constexpr const wchar_t* kPluginVersionText = L"" OXY_VERSION_TEXT;
constexpr const wchar_t* kVendorName = L"" OXY_VENDOR_NAME;
constexpr const wchar_t* kVendorCopyright = L"" OXY_VENDOR_COPYRIGHT;
#endif
