# Install layout, following the file-system conventions: the two programs in
# bin/, the demo course under share/lessonwright/course, and what a desktop
# needs to list the player in its menu (desktop entry, icons, AppStream data).
include(GNUInstallDirs)

# One application id everywhere: desktop entry, icons and AppStream data.
set(LW_APP_ID example.korvane_publishing.Lessonwright)
# The release's date, for the AppStream release entry; set with the version.
set(LW_RELEASE_DATE 2026-12-08)
set(LW_COURSE_DIR ${CMAKE_BINARY_DIR}/course)
set(LW_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# The demo course, written by the authoring tool at build time and again only
# when the tool changed. Its per-part lines show on the terminal as it goes.
set(lw_course_stamp ${CMAKE_BINARY_DIR}/course.stamp)
add_custom_command(OUTPUT ${lw_course_stamp}
  COMMAND ${CMAKE_COMMAND} -DAUTHOR=$<TARGET_FILE:lessonwright-author> -DCOURSE=${LW_COURSE_DIR}
          -DSTAMP=${lw_course_stamp} -P ${CMAKE_CURRENT_LIST_DIR}/BuildCourse.cmake
  DEPENDS lessonwright-author ${CMAKE_CURRENT_LIST_DIR}/BuildCourse.cmake
  USES_TERMINAL
  VERBATIM)
# The sanitizer build checks the code, not what is installed: it skips the
# course (minutes under the sanitizers) and the install checks.
if(LW_SANITIZE)
  add_custom_target(lw_demo_course DEPENDS ${lw_course_stamp})
else()
  add_custom_target(lw_demo_course ALL DEPENDS ${lw_course_stamp})
endif()

# Bitmap icons rendered from the one drawing, so they never drift from it.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(lw_icon_svg ${LW_PACKAGING_DIR}/icons/${LW_APP_ID}.svg)
set(lw_icon_pngs)
foreach(size 48 128 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${LW_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${lw_icon_svg}
    DEPENDS ${lw_icon_svg}
    VERBATIM)
  list(APPEND lw_icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(lw_icons ALL DEPENDS ${lw_icon_pngs})
install(FILES ${lw_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(TARGETS lessonwright lessonwright-author RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${LW_COURSE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/lessonwright/course)

configure_file(${LW_PACKAGING_DIR}/${LW_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${LW_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${LW_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The desktop entry names absolute paths (the player and, as its working
# directory, the course), so it is written when installing, for the prefix
# actually installed to.
install(CODE "
  set(LW_DESKTOP_TEMPLATE \"${LW_PACKAGING_DIR}/${LW_APP_ID}.desktop.in\")
  set(LW_DESKTOP_OUT \"${CMAKE_BINARY_DIR}/packaging/desktop-entry/${LW_APP_ID}.desktop\")
  set(LW_APP_ID \"${LW_APP_ID}\")
  set(LW_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(LW_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/DesktopEntry.cmake)

# Everything that is installed, and nothing of the tests: what ./run builds,
# and enough for `cmake --install` and `cpack`.
add_custom_target(lw_program DEPENDS lessonwright lessonwright-author lw_demo_course lw_icons)

# Manual pages, made from the authoring tool's own help text.
if(TARGET lw_manpages)
  install(FILES ${CMAKE_BINARY_DIR}/man/lessonwright.1 ${CMAKE_BINARY_DIR}/man/lessonwright-author.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  add_dependencies(lw_program lw_manpages)
endif()

if(LW_BUILD_TESTS AND NOT LW_SANITIZE)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/packaging ${CMAKE_BINARY_DIR}/tests/packaging)
endif()
