# Installs the host's service file and its settings file for the prefix being
# installed to: the programs' folder of that prefix, and /etc for /usr (as a
# package has it) or PREFIX/etc for any other prefix.
# Set by the install rule before this script runs: LEXIBURST_SOURCE_DIR (the
# packaging folder), LEXIBURST_BINARY_DIR and LEXIBURST_GAMESDIR.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(sysconf /etc)
else()
  set(sysconf "${CMAKE_INSTALL_PREFIX}/etc")
endif()
set(LEXIBURST_FULL_GAMESDIR "${CMAKE_INSTALL_PREFIX}/${LEXIBURST_GAMESDIR}")
set(LEXIBURST_DEFAULTS_FILE "${sysconf}/default/lexiburst-host")
configure_file("${LEXIBURST_SOURCE_DIR}/lexiburst-host.service.in"
               "${LEXIBURST_BINARY_DIR}/lexiburst-host.service" @ONLY)
file(INSTALL "${LEXIBURST_BINARY_DIR}/lexiburst-host.service"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/systemd/system")
file(INSTALL "${LEXIBURST_SOURCE_DIR}/lexiburst-host.default"
     DESTINATION "${sysconf}/default" RENAME lexiburst-host)
