# Common compile options for every target of the project.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)
if(TOLVANE_WERROR)
  add_compile_options(-Werror)
endif()
if(TOLVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
