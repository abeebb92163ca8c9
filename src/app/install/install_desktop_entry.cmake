# Writes the desktop entry with the launcher's absolute path under the install prefix (a folder
# newly on the PATH, such as ~/.local/bin, counts only from the next login) straight into place.
# QZ_DESKTOP_IN, QZ_BINDIR and QZ_DATADIR are set by the install code before it.
set(launcher "${CMAKE_INSTALL_PREFIX}/${QZ_BINDIR}/qz-orbalinth")
# An Exec argument with blanks or quotes is quoted, its \, ", ` and $ escaped; the escape
# character of the entry's string values then doubles every backslash.
if(launcher MATCHES "[ \t\"'`$\\\\]")
  string(REPLACE "\\" "\\\\" launcher "${launcher}")
  string(REPLACE "\"" "\\\"" launcher "${launcher}")
  string(REPLACE "`" "\\`" launcher "${launcher}")
  string(REPLACE "$" "\\$" launcher "${launcher}")
  set(launcher "\"${launcher}\"")
  string(REPLACE "\\" "\\\\" launcher "${launcher}")
endif()
set(QZ_LAUNCHER "${launcher}")
set(entry "${CMAKE_INSTALL_PREFIX}/${QZ_DATADIR}/applications/qz-orbalinth.desktop")
message(STATUS "Installing: $ENV{DESTDIR}${entry}")
configure_file("${QZ_DESKTOP_IN}" "$ENV{DESTDIR}${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
