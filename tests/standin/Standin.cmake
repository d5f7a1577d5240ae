# The stand-in converter: plain C++, linked statically where possible so that
# starting it costs little more than the exec itself. Included (not added as
# a test area) by the tests and the benchmarks that place it beside them.
include_guard(GLOBAL)
add_executable(marulo_standin ${CMAKE_CURRENT_LIST_DIR}/standin.cpp)
target_link_libraries(marulo_standin PRIVATE marulo_warnings)
set_target_properties(marulo_standin PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${MARULO_TEST_DIR}/standin)
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_LINK_OPTIONS -static)
check_cxx_source_compiles("int main() { return 0; }" MARULO_STATIC_LINK_WORKS)
unset(CMAKE_REQUIRED_LINK_OPTIONS)
if(MARULO_STATIC_LINK_WORKS)
  target_link_options(marulo_standin PRIVATE -static)
endif()

# Copies the stand-in under the seven converter names into folder, as target.
# Only ever into a folder of its own: the program and the real converter
# bridge must never find these.
function(marulo_place_standins target folder)
  set(copies)
  foreach(converter lame.exe toolame.exe oggenc.exe aacenc.exe flac.exe ttaenc.exe normalize.exe)
    list(APPEND copies ${folder}/${converter})
    add_custom_command(OUTPUT ${folder}/${converter}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:marulo_standin> ${folder}/${converter}
      DEPENDS marulo_standin
      VERBATIM)
  endforeach()
  add_custom_target(${target} DEPENDS ${copies})
endfunction()
