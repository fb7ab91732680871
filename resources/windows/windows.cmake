# The Windows build: cross-compiled with MinGW-w64 against the Qt that
# scripts/build-qt-windows.sh builds, tested under Wine (make windows,
# make test-windows). The toolchain file is resources/windows/mingw64.cmake.

# The POSIX names the portable code uses that MinGW's runtime leaves out.
add_compile_options(-include ${CMAKE_SOURCE_DIR}/resources/windows/mingw_compat.h)
# Unicode throughout: every system call takes the UTF-16 name.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets PrintSupport Test)
# The translations are compiled by the host's lrelease, which a cross build
# of qtbase alone does not carry.
find_program(TOLVAN_LRELEASE lrelease PATHS /usr/lib/qt6/bin NO_DEFAULT_PATH REQUIRED)
add_executable(Qt6::lrelease IMPORTED)
set_target_properties(Qt6::lrelease PROPERTIES IMPORTED_LOCATION ${TOLVAN_LRELEASE})

# Google Test from the sources Debian ships (libgtest-dev), built for Windows.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
foreach(lib gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${lib})
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()

# The programs' icon, drawn from resources/icons/tolvan.svg at the sizes
# Windows asks for.
enable_language(RC)
set(tolvan_ico ${CMAKE_BINARY_DIR}/windows/tolvan.ico)
set(tolvan_ico_pngs)
foreach(size 16 24 32 48 64 256)
  list(APPEND tolvan_ico_pngs ${CMAKE_BINARY_DIR}/windows/tolvan-${size}.png)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/windows/tolvan-${size}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/windows
    COMMAND rsvg-convert -w ${size} -h ${size} -o ${CMAKE_BINARY_DIR}/windows/tolvan-${size}.png
            ${CMAKE_SOURCE_DIR}/resources/icons/tolvan.svg
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/icons/tolvan.svg)
endforeach()
add_custom_command(OUTPUT ${tolvan_ico}
  COMMAND convert ${tolvan_ico_pngs} ${tolvan_ico}
  DEPENDS ${tolvan_ico_pngs})
add_custom_target(tolvan_windows_icon DEPENDS ${tolvan_ico})
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_BINARY_DIR}/windows")
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/windows/program.rc PROPERTIES OBJECT_DEPENDS ${tolvan_ico})
# Added to every program (CMakeLists.txt).
set(TOLVAN_PLATFORM_PROGRAM_SOURCES ${CMAKE_SOURCE_DIR}/resources/windows/program.rc)
