# Makes the verb files and the extra AlternativeForms rows from data/verbs.txt
# with verbtool and fails unless the committed files are exactly that.
# -DVERBTOOL=<verbtool> -DSOURCE_DIR=<repository> -DWORK_DIR=<scratch directory>
file(MAKE_DIRECTORY ${WORK_DIR})
set(list ${SOURCE_DIR}/data/verbs.txt)
set(remedy "after an edit of data/verbs.txt run: cmake --build --preset native --target verb_data")

function(compare made committed)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${made} ${SOURCE_DIR}/${committed}
                  RESULT_VARIABLE differs)
  if(differs)
    message(SEND_ERROR "${committed} is not what verbtool makes from data/verbs.txt; ${remedy}")
  endif()
endfunction()

foreach(level easy medium hard)
  execute_process(COMMAND ${VERBTOOL} build ${list} ${level} ${WORK_DIR}/${level}.dat
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "verbtool build ${level} refused data/verbs.txt")
  endif()
  compare(${WORK_DIR}/${level}.dat data/${level}.dat)
endforeach()

execute_process(COMMAND ${VERBTOOL} forms ${list} ${WORK_DIR}/alternative_forms_extra.inc
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "verbtool forms refused data/verbs.txt")
endif()
compare(${WORK_DIR}/alternative_forms_extra.inc src/test/alternative_forms_extra.inc)
