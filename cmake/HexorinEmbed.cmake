# hexorin_embed(<target> <file> [TITLE <name>] [ASM] [NO_TERMINATOR] [OUTPUT <path>])
#
# Converts <file> with hexorin-cli at build time into a C/C++ header (or,
# with ASM, an assembler include) in the build tree, and puts its folder on
# <target>'s include path. The file is made again when <file> or hexorin-cli
# changes, and at no other time.
#
# Without OUTPUT the file is <file's name>.h (.inc with ASM) in
# <current binary dir>/hexorin-embed, so `#include "logo-2.png.h"` works; a
# relative OUTPUT is taken from the current binary dir. Without TITLE the
# symbol is the file's name made a C identifier: logo-2.png gives logo_2_png.
#
# With ASM, add the assembler sources that include the file to <target>
# before calling this, so that they are assembled again when it changes.
#
# The converter is this source tree's hexorin-cli when there is one (under
# the cross-compiling emulator, if any), else the installed Hexorin::hexorin-cli.
# HEXORIN_CLI_EXECUTABLE names another one, e.g. a host build when
# cross-compiling without an emulator.

function(hexorin_embed target file)
  cmake_parse_arguments(PARSE_ARGV 2 EMBED "ASM;NO_TERMINATOR" "TITLE;OUTPUT" "")
  if(EMBED_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "hexorin_embed: unknown arguments: ${EMBED_UNPARSED_ARGUMENTS}")
  endif()

  get_filename_component(source "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  get_filename_component(name "${source}" NAME)

  set(title "${EMBED_TITLE}")
  if(title STREQUAL "")
    string(MAKE_C_IDENTIFIER "${name}" title)  # also puts "_" before a leading digit
  endif()

  set(options --c)
  set(extension .h)
  if(EMBED_ASM)
    set(options --asm)
    set(extension .inc)
  endif()
  if(EMBED_NO_TERMINATOR)
    list(APPEND options --no-terminator)
  endif()

  if(EMBED_OUTPUT)
    get_filename_component(output "${EMBED_OUTPUT}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  else()
    set(output "${CMAKE_CURRENT_BINARY_DIR}/hexorin-embed/${name}${extension}")
  endif()
  get_filename_component(output_folder "${output}" DIRECTORY)

  if(HEXORIN_CLI_EXECUTABLE)
    set(converter "${HEXORIN_CLI_EXECUTABLE}")
  elseif(TARGET hexorin-cli)
    set(converter hexorin-cli)  # a target name: CMake adds the path and any emulator
  elseif(TARGET Hexorin::hexorin-cli)
    set(converter Hexorin::hexorin-cli)
  else()
    message(FATAL_ERROR "hexorin_embed: no hexorin-cli; use find_package(Hexorin) or add this project first")
  endif()

  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${output_folder}"
    COMMAND ${converter} ${options} --title "${title}" "${source}" "${output}"
    DEPENDS "${source}" ${converter}
    COMMENT "Embedding ${name} as ${title}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
  target_include_directories(${target} PRIVATE "${output_folder}")

  # Compilers report the headers they read, so a new header rebuilds its
  # users; assemblers often do not, so the target's assembler sources are
  # tied to a new include here (those added after this call are not).
  if(EMBED_ASM)
    get_target_property(target_sources ${target} SOURCES)
    foreach(target_source IN LISTS target_sources)
      if(target_source MATCHES "\\.(asm|nasm|s|S)$")
        set_property(SOURCE "${target_source}" APPEND PROPERTY OBJECT_DEPENDS "${output}")
      endif()
    endforeach()
  endif()
endfunction()
