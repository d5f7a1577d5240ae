# Debian's hardening flags for release builds, which the package is built
# from: fortified libc calls, a stack protector, and a read-only relocation
# table bound at start-up (lintian's hardening-no-fortify-functions and
# hardening-no-bindnow). Taken from dpkg-buildflags with every hardening
# feature on, so they follow what Debian asks for; without dpkg-buildflags,
# Debian 12's own set. Only the hardening flags are taken: the optimisation
# and debugging options stay the build type's.
option(MARULO_HARDENING "Build release builds with Debian's hardening flags" ON)
if(NOT MARULO_HARDENING OR MSVC OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

set(marulo_hardening_compile -D_FORTIFY_SOURCE=2 -fstack-protector-strong)
set(marulo_hardening_link -Wl,-z,relro -Wl,-z,now)
find_program(MARULO_DPKG_BUILDFLAGS dpkg-buildflags)
if(MARULO_DPKG_BUILDFLAGS)
  set(marulo_buildflags)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${MARULO_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed)
      set(marulo_buildflags)
      break()
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(APPEND marulo_buildflags ${flags})
  endforeach()
  if(marulo_buildflags)
    set(marulo_hardening_compile ${marulo_buildflags})
    list(FILTER marulo_hardening_compile INCLUDE REGEX
      "^(-D_FORTIFY_SOURCE=.*|-fstack-protector.*|-fstack-clash-protection|-fcf-protection.*)$")
    set(marulo_hardening_link ${marulo_buildflags})
    list(FILTER marulo_hardening_link INCLUDE REGEX "^-Wl,-z,.*$")
  endif()
endif()
message(STATUS "Hardening for release builds: ${marulo_hardening_compile} ${marulo_hardening_link}")

set(marulo_release_configs $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
add_compile_options("$<${marulo_release_configs}:${marulo_hardening_compile}>")
add_link_options("$<${marulo_release_configs}:${marulo_hardening_link}>")
