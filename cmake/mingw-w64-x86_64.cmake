# Cross-builds Corvane for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix).
# CORVANE_WINDOWS_DEPS names the folder where the Windows builds of pugixml, utf8proc and
# GoogleTest are installed; the tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# The programs need no DLL beyond Windows' own: the C++ runtime and winpthread go in statically.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CORVANE_WINDOWS_DEPS "" CACHE PATH "Install folder of the Windows builds of Corvane's libraries")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CORVANE_WINDOWS_DEPS)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CORVANE_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads only the Windows libraries' files, never the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} "${CORVANE_WINDOWS_DEPS}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

# The tests run under Wine, in a prefix of their own inside the build folder; the DLL overrides
# keep Wine from offering to install Mono and Gecko. Tests are listed when CTest runs, so that
# building needs no Wine. Every Windows program the build and the tests start goes through
# CORVANE_RUN_WINE, which starts Wine with an address layout it can always use (see run-wine.in).
find_program(CORVANE_WINE wine)
if(CORVANE_WINE)
  set(CORVANE_RUN_WINE ${CMAKE_BINARY_DIR}/run-wine)
  # The template is executable, and configure_file keeps its permissions.
  configure_file(${CMAKE_CURRENT_LIST_DIR}/run-wine.in ${CORVANE_RUN_WINE} @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
      WINEDLLOVERRIDES=mscoree,mshtml= ${CORVANE_RUN_WINE})
endif()
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
