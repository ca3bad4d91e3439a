# Install rules and the Debian package (make install, make deb).
#
# Every file the programs load at run time is compiled in, so installing is the
# programs, their manual pages and the desktop integration. DESTDIR and the
# prefix given to `cmake --install` are honoured; the service file names the
# programs' folder of the configured prefix.
include(GNUInstallDirs)

set(LEXIBURST_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
# Every program goes to the games folder, as Debian has it for a package of the
# games section (in every user's PATH); the tally tool too, with its page in section 1.
set(LEXIBURST_GAMESDIR games CACHE STRING "Folder of the game programs, relative to the prefix")
set(LEXIBURST_FULL_GAMESDIR ${CMAKE_INSTALL_PREFIX}/${LEXIBURST_GAMESDIR})
set(LEXIBURST_APP_ID io.github.lexiburst.Lexiburst)

# lexiburst_install_program(target manual-page): the program and its page
# (packaging/man/<name>.<section>) compressed into the manual's section.
function(lexiburst_install_program target page)
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE ".*\\.([0-9])$" "\\1" section ${name})
  install(TARGETS ${target} RUNTIME DESTINATION ${LEXIBURST_GAMESDIR})
  set(packed ${CMAKE_BINARY_DIR}/man/${name}.gz)
  add_custom_command(OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9n -c ${LEXIBURST_PACKAGING}/man/${name} > ${packed}
    DEPENDS ${LEXIBURST_PACKAGING}/man/${name} VERBATIM)
  add_custom_target(man_${target} ALL DEPENDS ${packed})
  install(FILES ${packed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()

# One line per installed program.
lexiburst_install_program(lexiburst lexiburst.6)
lexiburst_install_program(lexiburst-host lexiburst-host.6)
lexiburst_install_program(lexiburst-tally lexiburst-tally.1)
lexiburst_install_program(lexiburst-bot lexiburst-bot.6)

install(FILES ${LEXIBURST_PACKAGING}/${LEXIBURST_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LEXIBURST_PACKAGING}/${LEXIBURST_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${LEXIBURST_PACKAGING}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

configure_file(${LEXIBURST_PACKAGING}/lexiburst-host.service.in
               ${CMAKE_BINARY_DIR}/lexiburst-host.service @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/lexiburst-host.service DESTINATION lib/systemd/system)

# Debian wants the copyright and a compressed changelog in the package's doc folder.
set(packed_changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${packed_changelog}
  COMMAND gzip -9n -c ${LEXIBURST_PACKAGING}/changelog > ${packed_changelog}
  DEPENDS ${LEXIBURST_PACKAGING}/changelog VERBATIM)
add_custom_target(packed_changelog ALL DEPENDS ${packed_changelog})
install(FILES ${LEXIBURST_PACKAGING}/copyright ${packed_changelog}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/lexiburst)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexiburst)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Lexiburst developers <maintainers@lexiburst.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "party word game for up to eight players over a network")
# The lines after the synopsis; CPack indents them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Every round each player gets one letter and eight categories and types one
word per category that starts with the letter before the timer runs out;
then the answers are put to the vote. Includes the game (lexiburst), a
dedicated host without a display (lexiburst-host, with a systemd service),
computer players that join a host (lexiburst-bot) and a tool for the tally
file (lexiburst-tally).")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Dependencies are worked out from the programs by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
