# Our own code builds with warnings as errors (the dependencies do not), and
# its narrow string literals in code page 936.
function(vantorel_code target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror
    # The sources are UTF-8; the program's texts are code page 936 bytes.
    -finput-charset=UTF-8 -fexec-charset=CP936)
endfunction()
