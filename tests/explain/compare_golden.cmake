# Runs `lexorra-cli explain` on one example and compares its sheet with the
# stored one. A missing or changed sheet fails with the sheet written beside
# the build and a unified diff; LEXORRA_UPDATE_GOLDEN=1 in the environment
# writes the stored sheet instead.
#   cmake -DCLI=... -DDATA=... -DEXAMPLE=... -DGOLDEN=... -DACTUAL=... -P compare_golden.cmake
execute_process(COMMAND ${CLI} explain --data ${DATA} ${EXAMPLE}
                OUTPUT_VARIABLE sheet ERROR_VARIABLE problem RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lexorra-cli explain ${EXAMPLE} failed (${status}): ${problem}")
endif()
file(WRITE ${ACTUAL} "${sheet}")
if(DEFINED ENV{LEXORRA_UPDATE_GOLDEN})
  file(WRITE ${GOLDEN} "${sheet}")
  message(STATUS "wrote ${GOLDEN}")
  return()
endif()
# The texts go to the output as they are (message() would reflow them).
if(NOT EXISTS ${GOLDEN})
  execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${ACTUAL})
  message(FATAL_ERROR "no stored sheet ${GOLDEN}; the sheet made now is above and in "
                      "${ACTUAL}. Check it word by word, then store it with "
                      "LEXORRA_UPDATE_GOLDEN=1 ctest -R explain_golden")
endif()
file(READ ${GOLDEN} stored)
if(NOT stored STREQUAL sheet)
  execute_process(COMMAND diff -u ${GOLDEN} ${ACTUAL})
  message(FATAL_ERROR "the sheet of ${EXAMPLE} differs from ${GOLDEN} (the diff is above). "
                      "If the new sheet is right, store it with "
                      "LEXORRA_UPDATE_GOLDEN=1 ctest -R explain_golden")
endif()
