# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the game with each command line that must be answered without a display: --help and
# --version on standard output with status 0, each mistake in one line on standard error
# with status 2.
file(MAKE_DIRECTORY ${WORK})
function(expect arguments status out_pattern err_expected)
  execute_process(COMMAND ${PROGRAM} ${arguments} RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT got EQUAL status OR NOT out MATCHES "${out_pattern}" OR NOT err STREQUAL err_expected)
    message(FATAL_ERROR "Kelvaro ${arguments}: status ${got}, standard output [${out}], standard error [${err}]; "
                        "expected status ${status}, output matching [${out_pattern}], standard error [${err_expected}]")
  endif()
endfunction()

expect("--help" 0 "^usage: kelvaro \\[--levels DIR \\| --level FILE" "")
expect("-h" 0 "^usage: kelvaro " "")
expect("--version" 0 "^Kelvaro [0-9]" "")
expect("--level" 2 "^$" "Kelvaro: missing value after '--level'\n")
expect("--levels;${WORK}/no such folder" 2 "^$" "Kelvaro: --levels: ${WORK}/no such folder is not a folder\n")
expect("stray" 2 "^$" "Kelvaro: unexpected argument 'stray'\n")
expect("--help;--version" 2 "^$" "Kelvaro: give one option at most\n")
expect("--level=x;--frob=1" 2 "^$" "Kelvaro: unknown option '--frob'\n")
# Qt's own options are QApplication's: they pass, and the rest is still read.
expect("-platform;offscreen;--version" 0 "^Kelvaro [0-9]" "")
expect("-style;fusion;--version" 0 "^Kelvaro [0-9]" "")
expect("-reverse;-qwindowtitle=T;--platformtheme;gtk3;-qmljsdebugger=port:1234;--version" 0 "^Kelvaro [0-9]" "")
expect("-style;fusion;stray" 2 "^$" "Kelvaro: unexpected argument 'stray'\n")
