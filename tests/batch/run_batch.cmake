# Runs quorvel-batch once and checks what it did, byte for byte:
#   cmake -DBATCH=<program> -DARGS=<arguments, '|' between them>
#         [-DSTDIN=<file fed to standard input>] [-DEXPECTED=<file standard output must equal>]
#         [-DERRORS=<file of patterns, one per line, for the lines of standard error>]
#         -DEXIT_CODE=<n> -P run_batch.cmake
# Without ERRORS, standard error must be empty.

string(REPLACE "|" ";" args "${ARGS}")
if(NOT STDIN)
  set(STDIN /dev/null)
endif()
execute_process(COMMAND "${BATCH}" ${args} INPUT_FILE "${STDIN}" OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE code)

set(failures "")
if(NOT code STREQUAL EXIT_CODE)
  string(APPEND failures "exit status ${code}, expected ${EXIT_CODE}\n")
endif()

if(EXPECTED)
  file(READ "${EXPECTED}" expected)
  if(NOT out STREQUAL expected)
    string(APPEND failures "standard output differs from ${EXPECTED}\n--- expected\n${expected}--- got\n${out}---\n")
  endif()
endif()

# Standard error, line by line against the patterns.
set(patterns "")
if(ERRORS)
  file(STRINGS "${ERRORS}" patterns)
endif()
string(REGEX REPLACE "\n$" "" err_text "${err}")
set(err_lines "")
if(NOT err_text STREQUAL "")
  string(REPLACE ";" "\\;" err_text "${err_text}")
  string(REPLACE "\n" ";" err_lines "${err_text}")
endif()
list(LENGTH patterns pattern_count)
list(LENGTH err_lines err_count)
if(NOT pattern_count EQUAL err_count)
  string(APPEND failures "${err_count} lines on standard error, expected ${pattern_count}:\n${err}")
else()
  foreach(pattern line IN ZIP_LISTS patterns err_lines)
    if(NOT line MATCHES "${pattern}")
      string(APPEND failures "standard error line '${line}' does not match '${pattern}'\n")
    endif()
  endforeach()
endif()

if(failures)
  message(FATAL_ERROR "quorvel-batch ${args}:\n${failures}")
endif()
