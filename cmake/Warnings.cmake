# Warnings are errors for our own targets; third-party headers come in as system includes.
function(vantor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wshadow=local
    -Wnon-virtual-dtor -Wcast-align -Wunused -Woverloaded-virtual -Wnull-dereference -Wformat=2)
endfunction()
