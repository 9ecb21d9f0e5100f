#pragma once

#include <windows.h>

#include <cstdint>

#include "hostlink/HostApi.h"

// The plug-in's start and stop, called by the exported functions and by the host's callbacks.
// self is the plug-in's own module (its file and its Russian resources).
int LoadPlugin(const HostApi* host, HINSTANCE self);
int UnloadPlugin();
int __cdecl OnModulesLoaded(intptr_t eventArgument);
int __cdecl OnMenuCommand(intptr_t ownerWindow);
