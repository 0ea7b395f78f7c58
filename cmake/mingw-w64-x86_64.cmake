# Cross-compiles for 64-bit Windows with MinGW-w64 (POSIX thread model), for the game and for
# the libraries scripts/windows-deps builds:
#
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DTM_WIN_DEPS="$(scripts/windows-deps | tail -n1)"
#
# Libraries, headers, CMake packages and pkg-config files come only from the MinGW-w64 root and
# TM_WIN_DEPS; programs come from the host. Executables carry libgcc, libstdc++ and winpthread
# inside them, so a Windows program needs no compiler DLLs beside it. Test programs run through
# Wine, with TM_WIN_DEPS/bin on Wine's DLL search path.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TM_MINGW_TRIPLET x86_64-w64-mingw32)
set(TM_MINGW_ROOT /usr/${TM_MINGW_TRIPLET})

set(CMAKE_C_COMPILER ${TM_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TM_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TM_MINGW_TRIPLET}-windres)

set(TM_WIN_DEPS "" CACHE PATH "Prefix with the Windows builds of the game's libraries (scripts/windows-deps)")
# try_compile() projects read this file again; they need the same search roots.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TM_WIN_DEPS)

set(CMAKE_FIND_ROOT_PATH ${TM_MINGW_ROOT})
if(TM_WIN_DEPS)
    list(APPEND CMAKE_FIND_ROOT_PATH ${TM_WIN_DEPS})
    list(APPEND CMAKE_PREFIX_PATH ${TM_WIN_DEPS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must never answer with the host's own libraries.
set(ENV{PKG_CONFIG_LIBDIR} "${TM_MINGW_ROOT}/lib/pkgconfig")
if(TM_WIN_DEPS)
    set(ENV{PKG_CONFIG_LIBDIR} "${TM_WIN_DEPS}/lib/pkgconfig:$ENV{PKG_CONFIG_LIBDIR}")
endif()
set(ENV{PKG_CONFIG_PATH} "")

# The compiler's runtime goes inside every program. winpthread is taken whole, so that the
# import library the driver adds later (-lpthread) is never needed; -Bdynamic afterwards lets
# the libraries on the rest of the line be import libraries again. DLLs (the C libraries built
# by scripts/windows-deps) take libgcc in; they use no threads of their own.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static-libgcc -static-libstdc++ -Wl,-Bstatic,--whole-archive -lwinpthread -Wl,--no-whole-archive,-Bdynamic")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
# MinGW-w64's zlib is linked statically too, so no zlib1.dll is shipped.
set(ZLIB_USE_STATIC_LIBS ON)

# Wine runs the test programs (CTest, gtest_discover_tests, custom commands). Its first start
# in a new prefix would otherwise stop to offer Mono and Gecko. wineboot runs first, detached
# from the caller's output: Wine's background services start with the first Windows program
# and keep its output open for as long as the Wine server lives, which makes a test runner
# wait for them (forever, with "wineserver -p").
find_program(TM_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TM_WINE)
    set(tm_wine_env WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")
    if(TM_WIN_DEPS)
        list(APPEND tm_wine_env "WINEPATH=Z:${TM_WIN_DEPS}/bin")
    endif()
    set(CMAKE_CROSSCOMPILING_EMULATOR env ${tm_wine_env} sh -c
        [["$0" wineboot </dev/null >/dev/null 2>&1 || : && exec "$0" "$@"]] ${TM_WINE})
    unset(tm_wine_env)
endif()
