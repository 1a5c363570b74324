# Test programs for Windows run under Wine, in a prefix of this build folder
# (never ~/.wine), on an Xvfb display of its own, with the zh_CN locale so
# that the ANSI code page is 936. ctest reaches them through the emulator.
set(VANTOREL_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${PROJECT_SOURCE_DIR}/tools/wine-run --prefix ${VANTOREL_WINE_PREFIX})
