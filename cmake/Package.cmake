# The Debian package: `cpack -G DEB` in the build folder writes
# lessonwright_<version>_<arch>.deb. Library dependencies are read off the
# binaries; "Read Me" and "Browse CD" open files through xdg-open.
set(CPACK_PACKAGE_NAME lessonwright)
set(CPACK_PACKAGE_VENDOR "Korvane Publishing Inc.")
set(CPACK_PACKAGE_CONTACT "Korvane Publishing Inc. <packages@korvane-publishing.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "course player for a form-design training course")
set(CPACK_PACKAGE_DESCRIPTION
  "Lessonwright plays a training course on form design: twenty lessons of
recorded screen sessions, replayed full-screen with the mouse pointer gliding
to each recorded click and narration boxes explaining every step. The package
carries the player, the demo course and the authoring command line
lessonwright-author.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.korvane-publishing.example/lessonwright/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
# Reading aloud needs a speech engine; without one the player only says so.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-flite-plugin | qt6-speech-speechd-plugin")

include(CPack)
