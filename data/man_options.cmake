# cmake -DBATCH=… -DMAN=… -DPAGE=… -P man_options.cmake
# Fails unless the manual page, as man shows it, starts a line with every
# option, and its value, that quorvel-batch --help lists.
execute_process(COMMAND ${BATCH} --help OUTPUT_VARIABLE help)
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80 ${MAN} -E UTF-8 -l ${PAGE}
                OUTPUT_VARIABLE page)
string(REGEX MATCHALL "\n  --[^ \n]+( [^ \n]+)?" tags "${help}")
if(NOT tags)
  message(FATAL_ERROR "quorvel-batch --help lists no options")
endif()
foreach(tag IN LISTS tags)
  string(SUBSTRING "${tag}" 3 -1 option)
  string(FIND "${page}" "\n       ${option} " with_text)
  string(FIND "${page}" "\n       ${option}\n" alone)
  if(with_text EQUAL -1 AND alone EQUAL -1)
    message(FATAL_ERROR "the manual page ${PAGE} has no line for ${option}")
  endif()
endforeach()
