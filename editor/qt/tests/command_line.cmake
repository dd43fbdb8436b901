# SPDX-License-Identifier: GPL-3.0-or-later
# Runs kel_edit (PROGRAM) with command lines it must answer without a display: the usage and
# the version on standard output with status 0, a wrong line in one line on standard error with 2.
function(expect status out err)
  execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${PROGRAM} ${ARGN}
                  RESULT_VARIABLE got_status OUTPUT_VARIABLE got_out ERROR_VARIABLE got_err)
  if(NOT got_status STREQUAL status OR NOT got_out MATCHES "${out}" OR NOT got_err STREQUAL err)
    message(FATAL_ERROR "kel_edit ${ARGN}: status ${got_status}, standard output [${got_out}], "
                        "standard error [${got_err}]; expected status ${status}, output matching [${out}], "
                        "standard error [${err}]")
  endif()
endfunction()

expect(0 "^usage: kel_edit \\[--levels DIR\\] \\[--help \\| --version \\| --self-test\\]\n.*My levels" "" --help)
expect(0 "^kel_edit \\(Kelvaro\\) [0-9.]+\n$" "" --version)
expect(2 "^$" "kel_edit: unknown option '-frob'\n" -frob=1)
expect(2 "^$" "kel_edit: unknown option '--frob'\n" --help --frob)
expect(2 "^$" "kel_edit: option '--self-test' takes no value\n" --self-test=yes)
expect(2 "^$" "kel_edit: unexpected argument 'maze1.txt'\n" maze1.txt)
expect(2 "^$" "kel_edit: missing value after '--levels'\n" --levels)
expect(2 "^$" "kel_edit: --levels: ${PROGRAM} is not a folder\n" --levels ${PROGRAM})
# Qt's own options are QApplication's: they pass with their values, and the rest is still read.
expect(0 "^kel_edit \\(Kelvaro\\) [0-9.]+\n$" "" -platform offscreen --version)
expect(0 "^kel_edit \\(Kelvaro\\) [0-9.]+\n$" "" -style fusion --version)
expect(0 "^kel_edit \\(Kelvaro\\) [0-9.]+\n$" "" -reverse -qwindowtitle=T --platformtheme gtk3 --version)
expect(2 "^$" "kel_edit: unexpected argument 'maze1.txt'\n" -style fusion maze1.txt)
expect(2 "^$" "kel_edit: option '--self-test' takes no value\n" -stylesheet=a.qss --self-test=yes)

# --levels makes SAVE write in that set, here one still to be made.
get_filename_component(set "${PROGRAM}" DIRECTORY)
set(set "${set}/no-such-set-yet")
execute_process(COMMAND env QT_QPA_PLATFORM=offscreen ${PROGRAM} --levels ${set} --self-test
                RESULT_VARIABLE got_status OUTPUT_VARIABLE got_out)
if(NOT got_status EQUAL 0 OR NOT got_out MATCHES "saves to: ${set}\n")
  message(FATAL_ERROR "kel_edit --levels ${set} --self-test: status ${got_status}, output [${got_out}]")
endif()
