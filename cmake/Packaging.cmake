# Install rules and the Debian packages (make install, make deb).
#
# Every file the programs load at run time is compiled in, so installing is the
# programs, their manual pages and the desktop integration. DESTDIR and the
# prefix given to `cmake --install` are honoured; the service file names the
# programs' folder of the configured prefix.
#
# Two components, one package each, neither needing the other: `game` (the
# desktop game and the tally tool) and `server` (the dedicated host, the
# computer players and the service), so a server installs no GUI library.
include(GNUInstallDirs)

set(LEXIBURST_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
# Every program goes to the games folder, as Debian has it for a package of the
# games section (in every user's PATH); the tally tool too, with its page in section 1.
set(LEXIBURST_GAMESDIR games CACHE STRING "Folder of the game programs, relative to the prefix")
set(LEXIBURST_APP_ID io.github.lexiburst.Lexiburst)

# lexiburst_install_program(target manual-page component): the program and its
# page (packaging/man/<name>.<section>) compressed into the manual's section.
function(lexiburst_install_program target page component)
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE ".*\\.([0-9])$" "\\1" section ${name})
  install(TARGETS ${target} RUNTIME DESTINATION ${LEXIBURST_GAMESDIR} COMPONENT ${component})
  # A stripped program (`cmake --install --strip`, the packages) loses the
  # compiler's .comment section too, as Debian's helper strips it.
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${LEXIBURST_GAMESDIR}/${target}\")
  endif()" COMPONENT ${component})
  set(packed ${CMAKE_BINARY_DIR}/man/${name}.gz)
  add_custom_command(OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9n -c ${LEXIBURST_PACKAGING}/man/${name} > ${packed}
    DEPENDS ${LEXIBURST_PACKAGING}/man/${name} VERBATIM)
  add_custom_target(man_${target} ALL DEPENDS ${packed})
  install(FILES ${packed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section} COMPONENT ${component})
endfunction()

# One line per installed program.
lexiburst_install_program(lexiburst lexiburst.6 game)
lexiburst_install_program(lexiburst-tally lexiburst-tally.1 game)
lexiburst_install_program(lexiburst-host lexiburst-host.6 server)
lexiburst_install_program(lexiburst-bot lexiburst-bot.6 server)

install(FILES ${LEXIBURST_PACKAGING}/${LEXIBURST_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)
install(FILES ${LEXIBURST_PACKAGING}/${LEXIBURST_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
install(DIRECTORY ${LEXIBURST_PACKAGING}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        COMPONENT game)

# The service file names the installed host and its settings file, whose
# folders depend on the prefix chosen when installing (`cmake --install
# --prefix`; the packages use /usr), so both are written then.
install(CODE "set(LEXIBURST_SOURCE_DIR \"${LEXIBURST_PACKAGING}\")
set(LEXIBURST_BINARY_DIR \"${CMAKE_BINARY_DIR}\")
set(LEXIBURST_GAMESDIR \"${LEXIBURST_GAMESDIR}\")" COMPONENT server)
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/InstallService.cmake COMPONENT server)

# What lintian reports that is intended, each with its reason.
install(FILES ${LEXIBURST_PACKAGING}/lintian/lexiburst
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides COMPONENT game)
install(FILES ${LEXIBURST_PACKAGING}/lintian/lexiburst-server
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides COMPONENT server)

# Debian wants the copyright and a compressed changelog in each package's doc folder.
set(packed_changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${packed_changelog}
  COMMAND gzip -9n -c ${LEXIBURST_PACKAGING}/changelog > ${packed_changelog}
  DEPENDS ${LEXIBURST_PACKAGING}/changelog VERBATIM)
add_custom_target(packed_changelog ALL DEPENDS ${packed_changelog})
install(FILES ${LEXIBURST_PACKAGING}/copyright ${packed_changelog}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/lexiburst COMPONENT game)
install(FILES ${LEXIBURST_PACKAGING}/copyright ${packed_changelog}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/lexiburst-server COMPONENT server)

# `make uninstall` removes what the last install put down, as its manifest lists it.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -P ${PROJECT_SOURCE_DIR}/cmake/Uninstall.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR} VERBATIM)

set(CPACK_GENERATOR DEB)
# A Debian package lives under /usr, whatever prefix the build is configured
# for; DESTDIR staging lets the settings file go to /etc.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game server)
set(CPACK_COMPONENTS_GROUPING IGNORE)
set(CPACK_PACKAGE_NAME lexiburst)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Lexiburst developers <maintainers@lexiburst.invalid>")
# Each package's description: a synopsis, then the text. (No package-wide
# summary: CPack would put it before both.)
set(lexiburst_about
    "Every round each player gets one letter and eight categories and types one
word per category that starts with the letter before the timer runs out;
then the answers are put to the vote.")
set(CPACK_DEBIAN_GAME_PACKAGE_NAME lexiburst)
set(CPACK_DEBIAN_GAME_DESCRIPTION "party word game for up to eight players over a network
${lexiburst_about}
.
This package holds the game, which hosts a game, joins one or plays alone
against computer players, and a tool for the player's tally file.")
set(CPACK_DEBIAN_SERVER_PACKAGE_NAME lexiburst-server)
set(CPACK_DEBIAN_SERVER_DESCRIPTION "dedicated host and computer players for the Lexiburst word game
${lexiburst_about}
.
This package holds a game host without a display (lexiburst-host, with a
systemd service that is not enabled on install) and computer players that
join any host (lexiburst-bot).")
# The service's settings file is a conffile; the scripts are the ones
# Debian's systemd helper writes for a unit neither enabled nor started on
# install, stopped on removal and forgotten on purge.
set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_EXTRA
    ${LEXIBURST_PACKAGING}/server/conffiles ${LEXIBURST_PACKAGING}/server/postinst
    ${LEXIBURST_PACKAGING}/server/prerm ${LEXIBURST_PACKAGING}/server/postrm)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Dependencies are worked out from the programs by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
