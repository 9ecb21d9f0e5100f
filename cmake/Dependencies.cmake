# SQLite and pugixml.
# pugixml is compiled from Debian's source package in wide-character mode on both platforms:
# Debian's libpugixml-dev is built for 8-bit text, and the chromatogram passport is read in wide mode.
# SQLite is compiled from the amalgamation made from Debian's source package on both platforms:
# Debian's libsqlite3 is built with URI file names on, and the host's connection string must be
# taken as a plain file name ("file:" included), as the Windows build takes it.
set(_pugixml_src "${OXY_DEPS_DIR}/pugixml/src")
if(NOT EXISTS "${_pugixml_src}/pugixml.cpp")
  message(FATAL_ERROR "pugixml sources missing in ${OXY_DEPS_DIR}: run tools/bootstrap.sh")
endif()
add_library(pugixml_wide STATIC "${_pugixml_src}/pugixml.cpp")
target_include_directories(pugixml_wide SYSTEM PUBLIC "${_pugixml_src}")
target_compile_definitions(pugixml_wide PUBLIC PUGIXML_WCHAR_MODE)
set_target_properties(pugixml_wide PROPERTIES POSITION_INDEPENDENT_CODE ON)

set(_sqlite_src "${OXY_DEPS_DIR}/sqlite")
if(NOT EXISTS "${_sqlite_src}/sqlite3.c")
  message(FATAL_ERROR "SQLite amalgamation missing in ${OXY_DEPS_DIR}: run tools/bootstrap.sh")
endif()
add_library(sqlite3_static STATIC "${_sqlite_src}/sqlite3.c")
target_include_directories(sqlite3_static SYSTEM PUBLIC "${_sqlite_src}")
target_compile_definitions(sqlite3_static PRIVATE SQLITE_OMIT_LOAD_EXTENSION SQLITE_THREADSAFE=1)
if(NOT WIN32)
  # Without usleep SQLite waits for a busy database in whole seconds.
  target_compile_definitions(sqlite3_static PRIVATE HAVE_USLEEP=1)
endif()
target_compile_options(sqlite3_static PRIVATE -w)
set_target_properties(sqlite3_static PROPERTIES POSITION_INDEPENDENT_CODE ON)
add_library(SQLite::SQLite3 ALIAS sqlite3_static)

if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(Threads REQUIRED)
  target_link_libraries(sqlite3_static PUBLIC Threads::Threads)
  if(NOT OXY_FUZZ)
    find_package(GTest REQUIRED)
    find_package(benchmark REQUIRED)
  endif()
  find_package(Iconv)
endif()

# nlohmann-json (Debian's header-only package) for the reports made for programs. Its headers are
# copied into the build so that the Windows builds see them without the rest of /usr/include.
set(_json_headers /usr/include/nlohmann)
if(NOT EXISTS "${_json_headers}/json.hpp")
  message(FATAL_ERROR "nlohmann-json headers missing in ${_json_headers}: run tools/bootstrap.sh")
endif()
file(COPY "${_json_headers}" DESTINATION "${CMAKE_BINARY_DIR}/third_party/include")
add_library(nlohmann_json_headers INTERFACE)
target_include_directories(nlohmann_json_headers SYSTEM INTERFACE "${CMAKE_BINARY_DIR}/third_party/include")
