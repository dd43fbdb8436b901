# SPDX-License-Identifier: GPL-3.0-or-later
# kel_check --picture over a folder of levels, each picture saved as its level's file and pictured
# again: the level a picture reads back as must picture the same, every line of every level.
# cmake -DPROGRAM=kel_check -DLEVELS=folder -DWORK=scratch folder -DCOUNT=levels -P picture_round_trip.cmake
execute_process(COMMAND ${PROGRAM} --picture ${LEVELS} OUTPUT_VARIABLE first RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "kel_check --picture ${LEVELS} failed: ${status}")
endif()
# Pictures follow one another with a blank line between; each starts with its time line.
string(REPLACE "\n\ntime " "\n;time " pictures "${first}")
list(LENGTH pictures count)
if(NOT count EQUAL COUNT)
  message(FATAL_ERROR "${count} pictures, not ${COUNT}")
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(number 0)
foreach(picture IN LISTS pictures)
  math(EXPR number "${number} + 1")
  file(WRITE ${WORK}/maze${number}.txt "${picture}")
endforeach()
execute_process(COMMAND ${PROGRAM} --picture ${WORK} OUTPUT_VARIABLE again RESULT_VARIABLE status)
file(REMOVE_RECURSE ${WORK})
if(NOT status EQUAL 0 OR NOT again STREQUAL first)
  message(FATAL_ERROR "the pictures read back picture otherwise (status ${status}):\n${again}")
endif()
