# GoogleTest for both builds, and CTest under Wine for the Windows one.
if(NOT SORVANE_BUILD_TESTS)
  function(sorvane_portable_test)
  endfunction()
  function(sorvane_win32_test)
  endfunction()
  return()
endif()

include(GoogleTest)

if(CMAKE_CROSSCOMPILING AND MINGW)
  # Debian ships GoogleTest as sources; build them with the cross compiler.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(t gtest gtest_main gmock gmock_main)
    target_link_options(${t} INTERFACE -static -static-libgcc -static-libstdc++)
  endforeach()
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()

  # Test exes run through Wine in a prefix of this build's own, never ~/.wine.
  set(SORVANE_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix the Windows tests run in")
  find_program(SORVANE_WINE NAMES wine REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env WINEPREFIX=${SORVANE_WINEPREFIX} WINEDEBUG=-all ${SORVANE_WINE})
else()
  find_package(GTest REQUIRED)
endif()

# sorvane_portable_test(name SOURCES... LIBS ...): native tests of portable logic.
# Cross builds skip them; the native preset runs them.
function(sorvane_portable_test name)
  if(CMAKE_CROSSCOMPILING)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main Sorvane::options)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# sorvane_win32_test(name SOURCES... LIBS ... [LOCK resource...]): tests that need Windows (Wine here).
# LOCK serialises tests that share machine-wide things: "desktop" (the foreground window, the
# notification area, the instance mutex and window class), "HKCU_Software_Tarvik" (our registry
# key), "TaskScheduler" (the logon task).
function(sorvane_win32_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LOCK" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/platform/testing/test_app.rc)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main Sorvane::options)
  set(props TIMEOUT 120)
  if(T_LOCK)
    list(JOIN T_LOCK ";" locks)
    list(APPEND props RESOURCE_LOCK "${locks}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
endfunction()
