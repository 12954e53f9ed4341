# One interface target carries every compiler option; all targets link it.
add_library(zelkovar_volby INTERFACE)
target_compile_options(zelkovar_volby INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(zelkovar_volby INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_FOREACH
  QT_DISABLE_DEPRECATED_BEFORE=0x060400)
if(ZELKOVAR_WERROR)
  target_compile_options(zelkovar_volby INTERFACE -Werror)
endif()
if(ZELKOVAR_SANITIZE)
  target_compile_options(zelkovar_volby INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(zelkovar_volby INTERFACE -fsanitize=address,undefined)
endif()
if(ZELKOVAR_FUZZ)
  # Coverage instrumentation for every library the fuzz targets link.
  target_compile_options(zelkovar_volby INTERFACE -fsanitize=fuzzer-no-link)
  target_link_options(zelkovar_volby INTERFACE -fsanitize=fuzzer-no-link)
endif()
# The one version number of the project, for --version and the package.
target_compile_definitions(zelkovar_volby INTERFACE ZELKOVAR_VERZE="${PROJECT_VERSION}")

# A library of the program: its folder is its include path and it takes the common
# options. zelkovar_knihovna(NAME SOURCES file... LINKS [PRIVATE] target...)
function(zelkovar_knihovna nazev)
  cmake_parse_arguments(PARSE_ARGV 1 K "" "" "SOURCES;LINKS")
  add_library(${nazev} STATIC ${K_SOURCES})
  target_include_directories(${nazev} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${nazev} PUBLIC zelkovar_volby ${K_LINKS})
endfunction()
