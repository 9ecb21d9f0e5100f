# The ZIP for labs that deploy by copying: the plug-in's libraries under Plugins/, the data files under
# "Public Documents/Veltar4/oxycalc/", where user tables (*.csv) come as NAME.default.csv so that
# unpacking over an installation never replaces a lab's table, and README.txt.
#   cmake -DOUTPUT=x.zip -DROOT=oxycalc-1.1.1.0 -DWORK=dir -DPLUGIN_FILES=a|b -DDATA_FILES=c|d
#         -DREADME=README.txt -P MakeZip.cmake
string(REPLACE "|" ";" PLUGIN_FILES "${PLUGIN_FILES}")
string(REPLACE "|" ";" DATA_FILES "${DATA_FILES}")
set(top "${WORK}/${ROOT}")
set(data "${top}/Public Documents/Veltar4/oxycalc")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${top}/Plugins" "${data}")
file(COPY ${PLUGIN_FILES} DESTINATION "${top}/Plugins")
foreach(file IN LISTS DATA_FILES)
  get_filename_component(name "${file}" NAME)
  if(name MATCHES "^(.*)\\.csv$")
    set(name "${CMAKE_MATCH_1}.default.csv")
  endif()
  file(COPY_FILE "${file}" "${data}/${name}")
endforeach()
file(COPY_FILE "${README}" "${top}/README.txt")
file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${OUTPUT}" --format=zip --mtime=2000-01-01 -- "${ROOT}"
                WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the ZIP ${OUTPUT} was not made")
endif()
