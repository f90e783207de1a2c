# Compiler settings shared by every target of the project.
add_library(sorvane_options INTERFACE)
add_library(Sorvane::options ALIAS sorvane_options)

if(MSVC)
  target_compile_options(sorvane_options INTERFACE /W4 /utf-8 /permissive- /Zc:__cplusplus)
  if(SORVANE_WARNINGS_AS_ERRORS)
    target_compile_options(sorvane_options INTERFACE /WX)
  endif()
else()
  # Win32 structures are idiomatically set up as {sizeof(s)}; that is not a missing field.
  target_compile_options(sorvane_options INTERFACE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
  if(SORVANE_WARNINGS_AS_ERRORS)
    target_compile_options(sorvane_options INTERFACE -Werror)
  endif()
endif()

if(WIN32)
  target_compile_definitions(sorvane_options INTERFACE
    UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00 WINVER=0x0A00 NTDDI_VERSION=0x0A000006)
  if(MINGW)
    # One self-contained exe: no libgcc, libstdc++ or libwinpthread DLLs beside it.
    target_link_options(sorvane_options INTERFACE -static -static-libgcc -static-libstdc++)
  endif()
endif()

if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel" AND NOT MSVC)
  target_compile_options(sorvane_options INTERFACE -ffunction-sections -fdata-sections)
  target_link_options(sorvane_options INTERFACE -Wl,--gc-sections -s)
  if(MINGW)
    # Page-aligned sections let the loader map the code from the file instead of copying it
    # into private memory (Wine copies any image it cannot map); costs a few KB of padding.
    target_link_options(sorvane_options INTERFACE -Wl,--file-alignment,4096)
  endif()
endif()

# sorvane_library(name SOURCES...): a module library. Portable ones never include <windows.h>;
# the Win32 side of a module is only added inside if(WIN32).
function(sorvane_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC Sorvane::options)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
