# cmake -DVERSION=… -DBATCH=… [-DWINDOW=…] -DMETAINFO=… -DCHANGELOG=… -P one_version.cmake
# Fails unless quorvel-batch --version (and quorvel --version), the metainfo's
# newest (first) release and the changelog's newest (first) entry all give
# VERSION.
function(expect what value expected)
  if(NOT value STREQUAL expected)
    message(FATAL_ERROR "${what} gives \"${value}\", not \"${expected}\" of the project's version ${VERSION}")
  endif()
endfunction()

execute_process(COMMAND ${BATCH} --version OUTPUT_VARIABLE batch OUTPUT_STRIP_TRAILING_WHITESPACE)
expect("quorvel-batch --version" "${batch}" "quorvel-batch ${VERSION}")
if(WINDOW)
  execute_process(COMMAND ${WINDOW} --version OUTPUT_VARIABLE window OUTPUT_STRIP_TRAILING_WHITESPACE)
  expect("quorvel --version" "${window}" "quorvel ${VERSION}")
endif()

file(READ ${METAINFO} metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${metainfo}")
expect("the metainfo's newest release" "${CMAKE_MATCH_1}" "${VERSION}")

file(STRINGS ${CHANGELOG} entry LIMIT_COUNT 1)
string(REGEX MATCH "^quorvel \\(([^)]*)\\)" _ "${entry}")
expect("the changelog's newest entry" "${CMAKE_MATCH_1}" "${VERSION}")
