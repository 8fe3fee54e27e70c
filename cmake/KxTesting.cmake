# Test helpers for the three builds.
#
# GoogleTest is built from Debian's sources for whichever compiler this build
# uses.  Host tests run directly; Windows tests run through tests/wine/run
# under 64-bit Wine, inside a private prefix and a persistent wineserver that
# the "wine" fixture starts and stops once per ctest run.

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# kx_check_pe(TARGET [EXPORTS NAME=ORDINAL|NAME ...] [ONLY] [IMPORTS DLL:ORDINAL|DLL:NAME ...]
#             [SHARED_SECTIONS NAME ...])
#   In the product build: the binary must be PE32, export what is listed
#   (ONLY: nothing else by name), import what is listed (an ordinal:
#   by ordinal, not by name) and have the listed sections, each marked
#   shared between processes.  Elsewhere it does nothing.
function(kx_check_pe target)
  cmake_parse_arguments(P "ONLY" "" "EXPORTS;IMPORTS;SHARED_SECTIONS" ${ARGN})
  if(NOT KX_PRODUCT OR NOT BUILD_TESTING)
    return()
  endif()
  set(extra)
  if(P_ONLY)
    set(extra --only)
  endif()
  foreach(i IN LISTS P_IMPORTS)
    list(APPEND extra --import ${i})
  endforeach()
  foreach(s IN LISTS P_SHARED_SECTIONS)
    list(APPEND extra --shared ${s})
  endforeach()
  add_test(NAME pe_${target}
           COMMAND ${CMAKE_SOURCE_DIR}/tests/pe/check-pe ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}> ${P_EXPORTS} ${extra})
endfunction()

if(NOT BUILD_TESTING)
  return()
endif()

set(KX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${KX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(t gtest gtest_main gmock gmock_main)
  if(TARGET ${t})
    target_compile_options(${t} PRIVATE -w)
  endif()
endforeach()

set(KX_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/wine/run)
set(KX_WINE_SESSION ${CMAKE_SOURCE_DIR}/tests/wine/session)
set(KX_WINE_STATE ${CMAKE_BINARY_DIR}/wine)

# kx_test(NAME SOURCES ... [LIBS ...] [RESOURCES ...] [DESKTOP] [NO_MAIN])
#   DESKTOP: the test shows windows; such tests share one virtual desktop and
#            one simulated card, so they never run at the same time.
function(kx_test name)
  cmake_parse_arguments(T "DESKTOP;NO_MAIN" "" "SOURCES;LIBS;RESOURCES" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_RESOURCES})
  if(T_NO_MAIN)
    target_link_libraries(${name} PRIVATE gtest gmock ${T_LIBS})
  else()
    target_link_libraries(${name} PRIVATE gtest_main gmock ${T_LIBS})
  endif()
  if(KX_WINDOWS)
    if(KX_PRODUCT)
      return()   # PE32 cannot run here: the product build only compiles its tests
    endif()
    add_test(NAME ${name} COMMAND ${KX_WINE_RUN} ${KX_WINE_STATE} $<TARGET_FILE:${name}>)
    add_dependencies(${name} kx_desktop_hold)   # the session needs it (tests/wine/session)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
    if(T_DESKTOP)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
    endif()
  else()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
endfunction()

if(KX_WINDOWS AND NOT KX_PRODUCT)
  add_test(NAME wine_session_start COMMAND ${KX_WINE_SESSION} start ${KX_WINE_STATE} ${CMAKE_BINARY_DIR}/bin)
  add_test(NAME wine_session_stop COMMAND ${KX_WINE_SESSION} stop ${KX_WINE_STATE})
  set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 600)
  set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()
