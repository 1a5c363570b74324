# The program itself, with mingw-w64's win32-thread compilers: their runtime
# needs nothing that Windows XP lacks (the posix-thread one imports
# GetTickCount64, for one).
set(VANTOREL_TRIPLET x86_64-w64-mingw32)
set(VANTOREL_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
