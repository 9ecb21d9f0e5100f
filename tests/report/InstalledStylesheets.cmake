# Every stylesheet the program installs is one file that imports and includes nothing, and the program
# loads it with MSXML's default properties: nothing sets resolveExternals, validateOnParse,
# preserveWhiteSpace or a second-level property (setProperty) on a DOM document.
#   cmake -DSTYLESHEETS="a.xsl;b.xsl" -DSOURCES=src -P InstalledStylesheets.cmake
foreach(_stylesheet IN LISTS STYLESHEETS)
  file(READ "${_stylesheet}" _text)
  if(_text MATCHES "<xsl:(import|include)[ \t\r\n]")
    message(FATAL_ERROR "${_stylesheet} imports or includes another file")
  endif()
endforeach()
file(GLOB_RECURSE _sources "${SOURCES}/*.cpp" "${SOURCES}/*.h")
foreach(_source IN LISTS _sources)
  file(READ "${_source}" _text)
  if(_text MATCHES "(put_resolveExternals|put_validateOnParse|put_preserveWhiteSpace|setProperty)[ \t]*\\(")
    message(FATAL_ERROR "${_source} sets a property of an MSXML document: ${CMAKE_MATCH_1}")
  endif()
endforeach()
message(STATUS "${STYLESHEETS}: self-contained; no MSXML property set in ${SOURCES}")
