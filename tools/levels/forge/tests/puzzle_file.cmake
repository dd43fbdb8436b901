# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM with ARGS (a list) writing OUT, which must then hold exactly the bytes of EXPECTED:
# level_forge writes the very file the game plays for a code.
file(REMOVE ${OUT})
execute_process(COMMAND ${PROGRAM} ${ARGS} ${OUT} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ${ARGS} ${OUT}: status ${status}, [${out}] [${err}]")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${EXPECTED} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${OUT} differs from ${EXPECTED}")
endif()
