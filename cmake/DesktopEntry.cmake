# Writes the desktop entry at install time, for the prefix the files are
# installed for: Exec names the installed player and Path the installed
# course, the working directory the player reads its course from. Expects
# LW_DESKTOP_TEMPLATE, LW_DESKTOP_OUT, LW_APP_ID, LW_BINDIR and LW_DATADIR.
set(LW_EXEC "${CMAKE_INSTALL_PREFIX}/${LW_BINDIR}/lessonwright")
set(LW_COURSE "${CMAKE_INSTALL_PREFIX}/${LW_DATADIR}/lessonwright/course")
if(LW_EXEC MATCHES "[\"`$\\]")
  message(FATAL_ERROR "The desktop entry cannot name a player at ${LW_EXEC}: choose a prefix without quotes, $, ` or \\")
elseif(LW_EXEC MATCHES " ")
  set(LW_EXEC "\"${LW_EXEC}\"")
endif()
configure_file("${LW_DESKTOP_TEMPLATE}" "${LW_DESKTOP_OUT}" @ONLY)
file(INSTALL "${LW_DESKTOP_OUT}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${LW_DATADIR}/applications")
