# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# One interface target carries the compile options of every target.
add_library(tidewell_options INTERFACE)
target_compile_options(tidewell_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor)
target_include_directories(tidewell_options INTERFACE
  ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_compile_definitions(tidewell_options INTERFACE _GLIBCXX_ASSERTIONS)

if(TIDEWELL_SANITIZE)
  target_compile_options(tidewell_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tidewell_options INTERFACE -fsanitize=address,undefined)
endif()

# Core libraries: the standard library only. Each folder calls this for its target.
# A core folder's library: every *.cpp of the folder, linked to the core libraries it builds on.
# A folder with no sources yet is an interface library, so the tree always configures.
function(tidewell_core_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC tidewell_options ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE tidewell_options ${ARGN})
  endif()
endfunction()
