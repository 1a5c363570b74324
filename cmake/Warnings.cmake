# Our own code builds with warnings as errors; the dependencies do not.
function(vantorel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
endfunction()
