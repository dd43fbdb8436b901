# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM with an unknown option: it must exit with status 2, saying one line on
# standard error that names the option, and nothing on standard output.
execute_process(COMMAND ${PROGRAM} --frob RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
get_filename_component(name ${PROGRAM} NAME)
set(expected "${name}: unknown option '--frob'\n")
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err STREQUAL expected)
  message(FATAL_ERROR "${name} --frob: status ${status}, standard output [${out}], standard error [${err}]; "
                      "expected status 2 and standard error [${expected}]")
endif()
