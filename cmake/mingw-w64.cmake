# Cross-builds for 64-bit Windows with Debian's mingw-w64. The posix thread
# model is the one whose libstdc++ has std::thread and std::mutex.
#
# Qt and GoogleTest for Windows come from the cache that
# scripts/build-qt-windows.sh fills (VELTO_WINDOWS_CACHE overrides where);
# Qt's build tools (moc, rcc, uic) are Debian's own, which must be the very
# version the cached Qt was built from.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELTO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELTO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELTO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELTO_MINGW_TRIPLE}-windres)

if(DEFINED ENV{VELTO_WINDOWS_CACHE})
    set(VELTO_WINDOWS_CACHE "$ENV{VELTO_WINDOWS_CACHE}")
else()
    file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/windows-qt-cache.txt VELTO_WINDOWS_CACHE LIMIT_COUNT 1)
endif()

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

set(CMAKE_FIND_ROOT_PATH /usr/${VELTO_MINGW_TRIPLE} ${VELTO_WINDOWS_CACHE}/qt ${VELTO_WINDOWS_CACHE}/googletest)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# moc and rcc write code for their own version only: refuse a cached Qt that
# Debian's tools have moved past, rather than fail later in a generated file.
if(EXISTS ${VELTO_WINDOWS_CACHE}/qt.stamp)
    file(STRINGS ${VELTO_WINDOWS_CACHE}/qt.stamp velto_qt_built LIMIT_COUNT 1)
    execute_process(COMMAND dpkg-query -W -f=\${Version} qt6-base-dev-tools
                    OUTPUT_VARIABLE velto_qt_tools ERROR_QUIET)
    if(NOT velto_qt_built STREQUAL "qt6-base ${velto_qt_tools}")
        message(FATAL_ERROR "The Qt for Windows in ${VELTO_WINDOWS_CACHE} was built from "
                            "${velto_qt_built}, but Debian's Qt tools are ${velto_qt_tools}: "
                            "run scripts/build-qt-windows.sh")
    endif()
endif()
