# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM --daily with days that are no real day or are spelt otherwise than YYYY-MM-DD:
# each must be refused with status 2 and words on standard error, and no file written to OUT.
foreach(day "2026-01-261" "2026-257-05" "67562-01-05" " 2026-01-05" "+2026-01-05" "2026- 1- 5" "2026-02-30")
  file(REMOVE ${OUT})
  execute_process(COMMAND ${PROGRAM} --daily ${day} ${OUT} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 2 OR EXISTS ${OUT} OR NOT err MATCHES "is no calendar day")
    message(FATAL_ERROR "${PROGRAM} --daily '${day}': status ${status}, standard output [${out}], "
                        "standard error [${err}]; expected status 2, a reason and no file")
  endif()
endforeach()
