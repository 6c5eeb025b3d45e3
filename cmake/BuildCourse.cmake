# Builds the demo course with the authoring tool, as a build step:
#   cmake -DAUTHOR=<lessonwright-author> -DCOURSE=<dir> -DSTAMP=<file> -P BuildCourse.cmake
# The stamp holds the tool's checksum: a relinked but identical tool keeps the
# course it already built. The course is built aside and swapped in whole, so
# an interrupted build never leaves a half-written course behind.
file(SHA256 "${AUTHOR}" want)
set(have "")
if(EXISTS "${STAMP}")
  file(READ "${STAMP}" have)
  string(STRIP "${have}" have)
endif()
if(have STREQUAL want AND EXISTS "${COURSE}/master/p1/simu.dbf")
  file(TOUCH "${STAMP}")
  return()
endif()

message(STATUS "Building the demo course into ${COURSE} (one line per part)")
file(REMOVE_RECURSE "${COURSE}.new")
execute_process(COMMAND "${AUTHOR}" demo-course "${COURSE}.new" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  file(REMOVE_RECURSE "${COURSE}.new")
  message(FATAL_ERROR "lessonwright-author demo-course failed (${rc})")
endif()
file(REMOVE_RECURSE "${COURSE}")
file(RENAME "${COURSE}.new" "${COURSE}")
file(WRITE "${STAMP}" "${want}\n")
