# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the site's service worker (cmake -DSITE=folder -DTEMPLATE=file [-DLEAVE_OUT=names] -P this):
# every file of the site listed for it to keep, under a name made from their contents. Rewritten only
# when that changes, so a build that changed nothing leaves the worker, and the players' caches, alone.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files service_worker.js ${LEAVE_OUT})
list(SORT files)
set(contents "")
set(listed "")
foreach(file ${files})
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND contents "${file} ${digest}\n")
  string(APPEND listed "  '${file}',\n")
endforeach()
string(SHA256 digest "${contents}")
string(SUBSTRING ${digest} 0 16 KELVARO_BUILD)
string(REGEX REPLACE ",\n$" "" KELVARO_FILES "${listed}")
configure_file(${TEMPLATE} ${SITE}/service_worker.js @ONLY)
