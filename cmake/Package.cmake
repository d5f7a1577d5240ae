# `cpack -G DEB` in the build folder (scripts/package does it) makes
# marulo_<version>_<arch>.deb from the install rules in cmake/Install.cmake.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marulo)
set(CPACK_PACKAGE_VERSION ${MARULO_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "Marulo developers")
set(CPACK_PACKAGE_CONTACT ${MARULO_MAINTAINER})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front end for command-line audio converters")
# Debian's extended description: what the package is for, in a few lines.
set(CPACK_PACKAGE_DESCRIPTION [[
Marulo is a single-window program that encodes WAV files to MP3, MP2,
Ogg Vorbis, AAC, FLAC or TTA and decodes MP1, MP2, MP3, FLAC and TTA back
to WAV, optionally normalising the peak level.

It drives Debian's own converters (lame, twolame, oggenc, flac, ffmpeg and
sox) through a small bridge installed in its private folder, and writes
every result to a work folder inside the opened folder.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# cmake --install --strip for every target: Debian packages carry no debugging
# symbols in their programs.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${MARULO_VERSION_TEXT})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${MARULO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The bridge runs these tools, and the window is drawn with the IPA font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "lame, twolame, vorbis-tools, flac, ffmpeg, sox, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
