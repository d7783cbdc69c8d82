# tolvane_string_table(<target> <resource file> <C++ symbol>)
# Compiles a string table file into the target as a platform::StringTable
# named <symbol> (in namespace resources).
function(tolvane_string_table target file symbol)
  get_filename_component(abs "${file}" ABSOLUTE)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${symbol}_strings.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND rcstrings "${abs}" "${symbol}" "${out}"
    DEPENDS rcstrings "${abs}"
    COMMENT "String table ${symbol}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
