# Turns a UTF-8 table into a data file as the plug-in reads it: Windows-1251, CR LF after every line,
# the last included; lines that are empty or begin with "#" are left out. With -DTEXT=ON (a text for
# people, such as a README) every line is kept, empty ones too, so that its paragraphs stay apart.
#   cmake -DINPUT=table.csv -DOUTPUT=file.csv [-DTEXT=ON] -P Windows1251File.cmake
# iconv refuses a character the code page lacks, and so the build fails rather than ship a "?".
file(READ "${INPUT}" text)
if(NOT TEXT)
  string(PREPEND text "\n")
  string(REGEX REPLACE "\n#[^\n]*" "\n" text "${text}")
  string(REGEX REPLACE "\n\n+" "\n" text "${text}")
  string(REGEX REPLACE "^\n" "" text "${text}")
endif()
if(NOT text MATCHES "\n$")
  string(APPEND text "\n")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}.utf8" "${text}")
execute_process(COMMAND iconv -f UTF-8 -t CP1251 INPUT_FILE "${OUTPUT}.utf8" OUTPUT_FILE "${OUTPUT}"
                RESULT_VARIABLE result ERROR_VARIABLE error)
file(REMOVE "${OUTPUT}.utf8")
if(NOT result EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "${INPUT} cannot be written in Windows-1251: ${error}")
endif()
