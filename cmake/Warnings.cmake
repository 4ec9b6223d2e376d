# Warning flags for every target of the project.
function(tessaly_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(TESSALY_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
