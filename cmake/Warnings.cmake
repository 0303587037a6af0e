# Warnings for the project's own targets; third-party headers come in as
# system includes and stay quiet.
function(tovrane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
  if(TOVRANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
