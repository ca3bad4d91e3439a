# Removes every file the last `cmake --install` of this build folder put down,
# as install_manifest.txt lists them (DESTDIR is honoured, as when installing).
set(manifest install_manifest.txt)
if(NOT EXISTS ${manifest})
  message(FATAL_ERROR "Nothing to uninstall: no ${manifest} in this build folder.")
endif()
file(STRINGS ${manifest} files)
foreach(file IN LISTS files)
  set(path "$ENV{DESTDIR}${file}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  endif()
endforeach()
