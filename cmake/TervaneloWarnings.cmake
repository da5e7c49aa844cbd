# Strict warnings for our own targets; third-party headers come in as SYSTEM.
function(tervanelo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
    $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>)
endfunction()
