# Where `cmake --install` puts things (GNUInstallDirs, so any prefix works):
#   bin/marulo
#   libexec/marulo/<the seven converter names>   (never in bin/)
#   share/applications, share/icons/hicolor, share/metainfo, share/man/man1
#   share/doc/marulo/copyright and changelog.Debian.gz
# Included from the top level after every target exists.

set(marulo_data_src ${PROJECT_SOURCE_DIR}/data)
set(marulo_data_out ${PROJECT_BINARY_DIR}/data)

install(TARGETS marulo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The bridge is one program answering to seven names. It is installed once as a
# target, so `--strip` (and CPack) strip it, and then copied under each name;
# the first name takes the installed file's place.
install(TARGETS marulo_bridge RUNTIME DESTINATION ${MARULO_CONVERTER_DIR})
list(GET MARULO_CONVERTER_NAMES 0 marulo_first_bridge_name)
install(CODE "
  set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${MARULO_CONVERTER_DIR}\")
  if(IS_ABSOLUTE \"${MARULO_CONVERTER_DIR}\")
    set(folder \"\$ENV{DESTDIR}${MARULO_CONVERTER_DIR}\")
  endif()
  foreach(name ${MARULO_CONVERTER_NAMES})
    message(STATUS \"Installing: \${folder}/\${name}\")
    file(COPY_FILE \"\${folder}/$<TARGET_FILE_NAME:marulo_bridge>\" \"\${folder}/\${name}\")
  endforeach()
  file(REMOVE \"\${folder}/$<TARGET_FILE_NAME:marulo_bridge>\")
")

install(FILES ${marulo_data_src}/${MARULO_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${marulo_data_out}/${MARULO_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${marulo_data_src}/${MARULO_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${MARULO_ICON_SIZES})
  install(FILES ${marulo_data_out}/icons/${size}/${MARULO_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${marulo_data_out}/marulo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${marulo_data_src}/copyright ${marulo_data_out}/changelog.Debian.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
