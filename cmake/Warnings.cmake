# Warning flags set once for every target of the project.
function(bormek_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(BORMEK_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The engine computes in single precision: flag every silent conversion.
function(bormek_set_engine_warnings target)
  bormek_set_warnings(${target})
  target_compile_options(${target} PRIVATE -Wconversion -Wdouble-promotion)
endfunction()
