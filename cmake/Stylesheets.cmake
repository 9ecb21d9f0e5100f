# The installed stylesheets, each one self-contained file made from a page's structure, the chart templates
# it draws with and the words of a language (tools/join-stylesheet.py), into ${OXY_STYLESHEET_DIR}. The
# target `stylesheets` makes them; whatever installs or reads them depends on it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(OXY_STYLESHEET_DIR "${CMAKE_BINARY_DIR}/stylesheets")
set(OXY_STYLESHEETS Report.xsl Report.ENU.xsl BatchIndex.xsl BatchIndex.ENU.xsl QcChart.xsl QcChart.ENU.xsl)

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

foreach(_language ru en)
  if(_language STREQUAL "ru")
    set(_suffix ".xsl")
  else()
    set(_suffix ".ENU.xsl")
  endif()
  _oxy_stylesheet("Report${_suffix}" "Words.${_language}.xsl" PREFIXES report. PARTS ReportPage.xsl)
  _oxy_stylesheet("BatchIndex${_suffix}" "Words.${_language}.xsl" PREFIXES batch. qc.
                  PARTS BatchIndexPage.xsl QcCharts.xsl)
  _oxy_stylesheet("QcChart${_suffix}" "Words.${_language}.xsl" PREFIXES qc. PARTS QcChartPage.xsl QcCharts.xsl)
endforeach()
add_custom_target(stylesheets ALL DEPENDS ${_outputs})
