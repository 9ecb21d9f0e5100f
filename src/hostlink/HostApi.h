#pragma once

// The binary interface between the host and its plug-ins: the host's function table and the small
// records passed through it. Shared by oxycalc.dll and our substitute host. 32-bit, cdecl.

#include <cstddef>
#include <cstdint>

extern "C" {

// An event or command handler: one 32-bit argument (for a menu command, the owner window).
typedef int(__cdecl* HostHandler)(intptr_t argument);

// The host's function table. Entries 1 to 3 belong to the host and are never used by plug-ins.
struct HostApi {
    void* hostReserved[3];
    int(__cdecl* subscribe)(const char* event, HostHandler handler);          // -> subscription id
    int(__cdecl* unsubscribe)(int subscriptionId);                            // result unused
    int(__cdecl* registerCommand)(const char* command, HostHandler handler);  // -> command id
    int(__cdecl* unregisterCommand)(int commandId);                           // result unused
    // Pointer-sized: "DB/GetConnectionUri" returns an address. The same 32 bits on the product's target.
    intptr_t(__cdecl* callService)(const char* service, intptr_t argument1, intptr_t argument2);
    int(__cdecl* serviceExists)(const char* service);  // non-zero: offered
};

// "Main/OpenAssayIdDlgEx": where the chooser writes the picked ids.
struct AssayIdList {
    int32_t* ids;
    int32_t capacity;
};

// "Profile/GetString": where the host writes a NUL-terminated value.
struct ProfileStringBuffer {
    wchar_t* text;
    int32_t capacity;  // in characters, terminating NUL included
};

// "MainMenu/CreateNewMenu": one menu entry bound to a registered command.
struct NewMenuInfo {
    uint32_t size;        // 16
    const wchar_t* path;  // levels separated by "/"
    uint32_t flags;       // 0
    const char* command;  // the command the entry invokes
};

}  // extern "C"

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(HostApi) == 9 * 4, "the host table holds nine 32-bit entries");
static_assert(offsetof(HostApi, subscribe) == 12 && offsetof(HostApi, serviceExists) == 32, "entries 4 to 9");
static_assert(sizeof(AssayIdList) == 8 && offsetof(AssayIdList, capacity) == 4, "two 32-bit fields");
static_assert(sizeof(ProfileStringBuffer) == 8 && offsetof(ProfileStringBuffer, capacity) == 4,
              "two 32-bit fields");
static_assert(sizeof(NewMenuInfo) == 16 && offsetof(NewMenuInfo, command) == 12, "the 16-byte menu record");
#endif

// Names of the host's events, services and of our command.
namespace HostNames {
constexpr const char* kModulesLoaded = "System/ModulesLoaded";
constexpr const char* kGetLanguage = "System/GetLanguage";
constexpr const char* kCreateNewMenu = "MainMenu/CreateNewMenu";
constexpr const char* kGetConnectionUri = "DB/GetConnectionUri";
constexpr const char* kOpenAssayIdDlgEx = "Main/OpenAssayIdDlgEx";
constexpr const char* kOpenAssayFile = "Main/OpenAssayFile";
constexpr const char* kProfileGetInt = "Profile/GetInt";
constexpr const char* kProfileSetInt = "Profile/SetInt";
constexpr const char* kProfileGetString = "Profile/GetString";
constexpr const char* kProfileSetString = "Profile/SetString";
constexpr const char* kProfileDelParam = "Profile/DelParam";
constexpr const char* kMenuCommand = "oxycalc/MenuCommand";
}  // namespace HostNames
