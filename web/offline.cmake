# SPDX-License-Identifier: GPL-3.0-or-later
# The page as an app a phone installs and plays offline: its manifest, home-screen icons drawn by the
# art generator at the sizes asked for, and a service worker that keeps the whole site.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(icons icon-192.png icon-512.png icon-maskable-512.png)
list(TRANSFORM icons PREPEND ${KELVARO_SITE_DIR}/icons/)
file(GLOB art_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/art/*.py)
add_custom_command(OUTPUT ${icons}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/art/web_icons.py ${KELVARO_SITE_DIR}/icons
  DEPENDS ${art_sources})
add_custom_command(OUTPUT ${KELVARO_SITE_DIR}/manifest.json
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_CURRENT_SOURCE_DIR}/manifest.json ${KELVARO_SITE_DIR}/manifest.json
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/manifest.json)
add_custom_target(kelvaro_installable ALL DEPENDS ${icons} ${KELVARO_SITE_DIR}/manifest.json)

# Run at every build, after every other target has put its files into the site (the WAV music,
# which only a browser without Ogg Vorbis fetches, is left for that browser to keep).
add_custom_target(kelvaro_offline ALL
  COMMAND ${CMAKE_COMMAND} -DSITE=${KELVARO_SITE_DIR} -DTEMPLATE=${CMAKE_CURRENT_SOURCE_DIR}/service_worker.js.in
          -DLEAVE_OUT=sounds/music.wav -P ${CMAKE_CURRENT_SOURCE_DIR}/service_worker.cmake
  VERBATIM)

function(kelvaro_targets_under directory out)
  get_property(found DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory ${subdirectories})
    kelvaro_targets_under(${subdirectory} more)
    list(APPEND found ${more})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

function(kelvaro_offline_after_all)
  kelvaro_targets_under(${PROJECT_SOURCE_DIR} targets)
  list(REMOVE_ITEM targets kelvaro_offline)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      add_dependencies(kelvaro_offline ${target})
    endif()
  endforeach()
endfunction()
# Targets made after this file (in folders configured later) count too: the list is taken at the end.
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL kelvaro_offline_after_all)
