# Our own targets build clean with these on both toolchains; tools/test.sh makes them errors.
option(OXY_WERROR "Treat warnings of our own targets as errors" OFF)
function(oxy_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(OXY_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # Doubles in SSE2 registers, as on x86-64: the x87 unit's 80-bit intermediates would change the
  # last bits of results whose order of operations is fixed.
  add_compile_options(-msse2 -mfpmath=sse)
  # No mingw runtime DLLs beside our binaries: under Wine a missing one makes a program silently print nothing.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# A 32-bit program that may use the 4 GiB of address space 64-bit Windows gives it (a plug-in runs in
# its host's space). 64-bit programs have it anyway.
function(oxy_large_address_aware target)
  if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(${target} PRIVATE -Wl,--large-address-aware)
  endif()
endfunction()
