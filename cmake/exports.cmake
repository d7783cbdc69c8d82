# tolvane_exports_only(<target>)
# A library or module of the system shows only its exported functions:
# nothing of the static libraries it is made of, and (outside sanitizer
# builds, whose runtimes come with the program) no undefined symbol.
function(tolvane_exports_only target)
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL)
  if(NOT TOLVANE_SANITIZE)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
