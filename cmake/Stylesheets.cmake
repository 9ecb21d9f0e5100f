# The installed stylesheets, each one self-contained file made from a page's structure, the chart templates
# it draws with and the words of a language (tools/join-stylesheet.py), into ${OXY_STYLESHEET_DIR}. The
# target `stylesheets` makes them; whatever installs or reads them depends on it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(OXY_STYLESHEET_DIR "${CMAKE_BINARY_DIR}/stylesheets")

set(_report "${CMAKE_SOURCE_DIR}/src/report")
set(_join "${CMAKE_SOURCE_DIR}/tools/join-stylesheet.py")
set(_outputs)
function(_oxy_stylesheet name words)
  cmake_parse_arguments(PARSE_ARGV 2 _arg "" "" "PREFIXES;PARTS")
  set(_prefixes)
  foreach(_prefix IN LISTS _arg_PREFIXES)
    list(APPEND _prefixes --prefix "${_prefix}")
  endforeach()
  list(TRANSFORM _arg_PARTS PREPEND "${_report}/")
  add_custom_command(OUTPUT "${OXY_STYLESHEET_DIR}/${name}"
                     COMMAND "${CMAKE_COMMAND}" -E make_directory "${OXY_STYLESHEET_DIR}"
                     COMMAND Python3::Interpreter "${_join}" "${OXY_STYLESHEET_DIR}/${name}"
                             --words "${_report}/${words}" ${_prefixes} ${_arg_PARTS}
                     DEPENDS "${_join}" "${_report}/${words}" ${_arg_PARTS} VERBATIM)
  set(_outputs ${_outputs} "${OXY_STYLESHEET_DIR}/${name}" PARENT_SCOPE)
endfunction()

# Each language's key and the suffix of its files, as src/messages/Languages.cpp names them: Report.xsl,
# Report.ENU.xsl.
set(OXY_LANGUAGES ru "" en ENU)
set(OXY_STYLESHEETS)
list(LENGTH OXY_LANGUAGES _count)
math(EXPR _last "${_count} - 1")
foreach(_at RANGE 0 ${_last} 2)
  math(EXPR _next "${_at} + 1")
  list(GET OXY_LANGUAGES ${_at} _language)
  list(GET OXY_LANGUAGES ${_next} _suffix)
  if(_suffix STREQUAL "")
    set(_suffix ".xsl")
  else()
    set(_suffix ".${_suffix}.xsl")
  endif()
  list(APPEND OXY_STYLESHEETS Report${_suffix} BatchIndex${_suffix} QcChart${_suffix})
  _oxy_stylesheet("Report${_suffix}" "Words.${_language}.xsl" PREFIXES report. PARTS ReportPage.xsl)
  _oxy_stylesheet("BatchIndex${_suffix}" "Words.${_language}.xsl" PREFIXES batch. qc.
                  PARTS BatchIndexPage.xsl QcCharts.xsl)
  _oxy_stylesheet("QcChart${_suffix}" "Words.${_language}.xsl" PREFIXES qc. PARTS QcChartPage.xsl QcCharts.xsl)
endforeach()
add_custom_target(stylesheets ALL DEPENDS ${_outputs})
