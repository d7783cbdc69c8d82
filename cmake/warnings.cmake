# Common compile options for every target of the project.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # g++ 12 reports std::string assignments of literals at -O2 as overlapping
  # memcpy calls (-Wrestrict) where none exist; the sanitizer build checks
  # real overlaps at run time.
  add_compile_options(-Wno-restrict)
endif()
if(TOLVANE_WERROR)
  add_compile_options(-Werror)
endif()
if(TOLVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(TOLVANE_FUZZ)
  if(NOT TOLVANE_SANITIZE)
    # The sanitizer runtimes provide the coverage hooks every program needs.
    message(FATAL_ERROR "TOLVANE_FUZZ needs TOLVANE_SANITIZE")
  endif()
  # Coverage feedback for the fuzz targets comes from all of the project's
  # code, the libraries they link included.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
