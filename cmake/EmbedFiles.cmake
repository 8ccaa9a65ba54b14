# embed_files(<target> <file>...): a static library that holds each file's bytes.
# A file "I0.jpg" becomes `vemo::assets::I0_jpg`, a std::span<const unsigned char>,
# declared in the generated header <embedded/<target>.h>.
function(embed_files target)
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
  set(header ${out_dir}/embedded/${target}.h)
  set(sources)
  set(decls "")
  foreach(file IN LISTS ARGN)
    get_filename_component(name ${file} NAME)
    string(MAKE_C_IDENTIFIER ${name} id)
    set(source ${out_dir}/${id}.cpp)
    add_custom_command(OUTPUT ${source}
      COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${source} -DID=${id}
              -P ${PROJECT_SOURCE_DIR}/cmake/EmbedOne.cmake
      DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedOne.cmake
      VERBATIM)
    list(APPEND sources ${source})
    string(APPEND decls "extern const std::span<const unsigned char> ${id};\n")
  endforeach()
  file(WRITE ${header}.in
    "#pragma once\n#include <span>\nnamespace vemo::assets {\n${decls}}\n")
  configure_file(${header}.in ${header} COPYONLY)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${out_dir})
endfunction()
