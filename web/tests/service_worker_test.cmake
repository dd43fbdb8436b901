# SPDX-License-Identifier: GPL-3.0-or-later
# Holds the written service worker to what players' caches rely on (cmake -DWORK=folder -DWEB=web -P this):
# every file listed but itself and what is left out, a build unchanged leaving it untouched, and any
# file's change, or a new file, giving a new cache name.
set(site ${WORK}/site)
file(REMOVE_RECURSE ${WORK})
file(WRITE ${site}/index.html "<p>one</p>")
file(WRITE ${site}/kelvaro.wasm "wasm")
file(WRITE ${site}/sounds/music.ogg "ogg")
file(WRITE ${site}/sounds/music.wav "wav")

function(write_worker)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DTEMPLATE=${WEB}/service_worker.js.in
                          -DLEAVE_OUT=sounds/music.wav -P ${WEB}/service_worker.cmake RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "service_worker.cmake failed")
  endif()
  file(READ ${site}/service_worker.js worker)
  string(REGEX MATCH "'kelvaro-[0-9a-f]+'" name "${worker}")
  string(REGEX MATCH "var files = \\[([^]]*)\\]" listed "${worker}")
  string(REGEX REPLACE "[ \n']" "" listed "${CMAKE_MATCH_1}")
  set(name ${name} PARENT_SCOPE)
  set(listed ${listed} PARENT_SCOPE)
endfunction()

function(expect what got want)
  if(NOT got STREQUAL want)
    message(FATAL_ERROR "${what}: got '${got}', want '${want}'")
  endif()
endfunction()

write_worker()
expect("files kept" "${listed}" "index.html,kelvaro.wasm,sounds/music.ogg")
string(LENGTH "${name}" length)
if(NOT name MATCHES "^'kelvaro-[0-9a-f]+'$" OR NOT length EQUAL 26)
  message(FATAL_ERROR "cache name: ${name}")
endif()
set(first ${name})

# Dated long ago: a rewrite would date it now.
execute_process(COMMAND touch -d 2001-01-01T00:00:00Z ${site}/service_worker.js)
write_worker()
file(TIMESTAMP ${site}/service_worker.js written "%Y" UTC)
expect("a build that changed nothing wrote the worker again in" "${written}" "2001")
expect("cache name of the same files" "${name}" "${first}")

file(WRITE ${site}/kelvaro.wasm "WASM")
write_worker()
if(name STREQUAL first)
  message(FATAL_ERROR "a changed file kept the cache name ${name}")
endif()
set(second ${name})

file(WRITE ${site}/icons/icon-192.png "png")
write_worker()
expect("files kept" "${listed}" "icons/icon-192.png,index.html,kelvaro.wasm,sounds/music.ogg")
if(name STREQUAL second)
  message(FATAL_ERROR "a new file kept the cache name ${name}")
endif()
