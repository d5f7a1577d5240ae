# Warning flags for every target of the project (linked privately, so a build
# that adds this project never inherits them).
add_library(marulo_warnings INTERFACE)
if(MSVC)
  target_compile_options(marulo_warnings INTERFACE /W4 /utf-8)
else()
  target_compile_options(marulo_warnings INTERFACE -Wall -Wextra -Wpedantic)
endif()

if(MARULO_DEVELOPER_MODE)
  if(NOT MSVC)
    target_compile_options(marulo_warnings INTERFACE -Werror -Wshadow -Wconversion -Wold-style-cast)
  endif()
  # The assertions guard the tables' invariants; keep them in release builds too.
  target_compile_definitions(marulo_warnings INTERFACE QT_FORCE_ASSERTS)
endif()
