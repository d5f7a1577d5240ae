# Where `cmake --install` puts things (GNUInstallDirs, so any prefix works):
#   bin/marulo
#   libexec/marulo/<the seven converter names>   (never in bin/)
#   share/applications, share/icons/hicolor, share/metainfo, share/man/man1
#   share/doc/marulo/copyright and changelog.Debian.gz
# Included from the top level after every target exists.

set(marulo_data_src ${PROJECT_SOURCE_DIR}/data)
set(marulo_data_out ${PROJECT_BINARY_DIR}/data)

install(TARGETS marulo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The bridge is one program answering to seven names: seven copies, each its
# own install rule, so every name is reported, listed in install_manifest.txt
# and removed by an uninstall from it. Copies rather than links, as in the
# build's program folder. install(PROGRAMS) does not strip, so a stripping
# install (`--strip`, CPack) strips the copies itself.
foreach(name ${MARULO_CONVERTER_NAMES})
  install(PROGRAMS $<TARGET_FILE:marulo_bridge> DESTINATION ${MARULO_CONVERTER_DIR} RENAME ${name})
endforeach()
if(CMAKE_STRIP)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${MARULO_CONVERTER_DIR}\")
      if(IS_ABSOLUTE \"${MARULO_CONVERTER_DIR}\")
        set(folder \"\$ENV{DESTDIR}${MARULO_CONVERTER_DIR}\")
      endif()
      foreach(name ${MARULO_CONVERTER_NAMES})
        execute_process(COMMAND \"${CMAKE_STRIP}\" \"\${folder}/\${name}\" COMMAND_ERROR_IS_FATAL ANY)
      endforeach()
    endif()
  ")
endif()

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
