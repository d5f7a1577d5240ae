# Warning flags for every target of the project (linked privately, so a build
# that adds this project never inherits them).
add_library(marulo_warnings INTERFACE)
if(MSVC)
  target_compile_options(marulo_warnings INTERFACE /W4 /utf-8)
else()
  target_compile_options(marulo_warnings INTERFACE -Wall -Wextra -Wpedantic)
endif()

# Qt's own safety switches, for the program's own code: every string literal
# says which encoding it is (QStringLiteral, QLatin1String, QString::fromUtf8),
# and a signal's value may not narrow on its way into a slot. The tests, which
# write their expected texts as plain literals, build without them: the
# program's targets link this privately beside marulo_warnings.
add_library(marulo_qt_safety INTERFACE)
target_compile_definitions(marulo_qt_safety INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

if(MARULO_DEVELOPER_MODE)
  if(NOT MSVC)
    target_compile_options(marulo_warnings INTERFACE -Werror -Wshadow -Wconversion -Wold-style-cast)
  endif()
  # The assertions guard the tables' invariants; keep them in release builds too.
  target_compile_definitions(marulo_warnings INTERFACE QT_FORCE_ASSERTS)
endif()
