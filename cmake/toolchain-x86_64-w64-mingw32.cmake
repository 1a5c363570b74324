# Cross-compiling for Windows with mingw-w64's posix-thread compilers, which
# Debian's GoogleTest needs: the tests and the libraries under them.
set(VANTOREL_TRIPLET x86_64-w64-mingw32)
set(VANTOREL_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
