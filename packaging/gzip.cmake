# Writes OUTPUT as the gzip -9n of INPUT, or of INPUT turned into a manual
# page by SCDOC when given (dated by EPOCH, so rebuilds are byte-identical).
#   cmake -DINPUT=.. -DOUTPUT=.. [-DSCDOC=.. -DEPOCH=..] -P gzip.cmake
# Debian wants both manual pages and changelogs at gzip's best compression
# and without the name and time gzip would store.
cmake_minimum_required(VERSION 3.25)
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
set(plain "${INPUT}")
if(SCDOC)
  set(plain "${OUTPUT}.roff")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${EPOCH} ${SCDOC}
    INPUT_FILE "${INPUT}" OUTPUT_FILE "${plain}" ERROR_VARIABLE problem RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    file(REMOVE "${plain}")
    message(FATAL_ERROR "scdoc refused ${INPUT}: ${problem}")
  endif()
endif()
execute_process(COMMAND gzip -9n --stdout INPUT_FILE "${plain}" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "gzip failed on ${plain}")
endif()
