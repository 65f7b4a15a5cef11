# The Linux package: `cmake --build --preset linux --target package` makes
# build/linux/packages/corvallo_<version>_<architecture>.deb with CPack's DEB
# generator. It holds what `cmake --install` installs (linux/CMakeLists.txt:
# the program, its menu entry and icons) and, from this folder, the AppStream
# metainfo, the manual page, and the copyright and changelog files that every
# Debian package carries. lintian, desktop-file-validate and appstreamcli
# check it (tests/linux/package).

# Without the Qt program (the linux-sanitize preset) there is nothing to ship.
if(NOT TARGET corvallo)
  return()
endif()
include(GNUInstallDirs)

# The release this version is, shown in the metainfo, the changelog and the
# manual page.
set(CORVALLO_RELEASE_DATE 2026-12-09)
# The AppStream component id: reverse DNS under the program's own domain.
set(CORVALLO_APPSTREAM_ID example.corvallo.Corvallo)
set(CORVALLO_MAINTAINER "${CORVALLO_PUBLISHER} <developers@corvallo.example>")

# What the program is, for the package's Description and the metainfo: a
# summary, then paragraphs (lines under 80 characters for the Description,
# a blank line between paragraphs).
set(CORVALLO_SUMMARY "One feng shui tip a day, with its picture")
string(CONCAT CORVALLO_DESCRIPTION
  "Corvallo keeps a catalogue of 30 feng shui tips, each with a picture, and\n"
  "shows a new one at most once per calendar day. It brings its window back\n"
  "on screen once a day at the time you choose and waits as an icon in the\n"
  "notification area in between.\n"
  "\n"
  "It can start itself when you log on, straight into the notification area,\n"
  "and reminds you every 14 days to look for an update.")
# In the metainfo each paragraph is a <p>, its lines indented in the file.
string(REPLACE "\n\n" "</p><p>" CORVALLO_DESCRIPTION_XML "${CORVALLO_DESCRIPTION}")
string(REPLACE "\n" "\n      " CORVALLO_DESCRIPTION_XML "${CORVALLO_DESCRIPTION_XML}")
string(REPLACE "</p><p>" "</p>\n    <p>" CORVALLO_DESCRIPTION_XML "${CORVALLO_DESCRIPTION_XML}")

set(package_source ${CMAKE_CURRENT_LIST_DIR})
set(package_build ${CMAKE_BINARY_DIR}/linux/package)

# The changelog wants the date as RFC 5322 does ("Wed, 09 Dec 2026 ...").
execute_process(COMMAND date -u -R -d "${CORVALLO_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE CORVALLO_RELEASE_DATE_RFC5322 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)

# The copyright file states LICENSE in Debian's machine-readable form: the
# holder from its "Copyright (c)" line, its text as the MIT licence's
# paragraph, each line indented by one space and each blank line a ".".
file(READ ${CORVALLO_LICENSE_FILE} license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" _ "${license}")
set(CORVALLO_COPYRIGHT "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]+\n+" "" license "${license}")
string(STRIP "${license}" license)
string(REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " CORVALLO_LICENSE_TEXT "${license}")

configure_file(${package_source}/copyright.in ${package_build}/copyright @ONLY)
configure_file(${package_source}/changelog.in ${package_build}/changelog @ONLY)
configure_file(${package_source}/corvallo.1.in ${package_build}/corvallo.1 @ONLY)
configure_file(${package_source}/corvallo.metainfo.xml.in
  ${package_build}/${CORVALLO_APPSTREAM_ID}.metainfo.xml @ONLY)

# Debian's rules want the changelog and the manual page compressed at the
# highest level, without a name or a time stamp in the gzip header (-n), so
# that the same sources give the same package.
add_custom_command(OUTPUT ${package_build}/changelog.gz ${package_build}/corvallo.1.gz
  COMMAND gzip -9n -c ${package_build}/changelog > ${package_build}/changelog.gz
  COMMAND gzip -9n -c ${package_build}/corvallo.1 > ${package_build}/corvallo.1.gz
  DEPENDS ${package_build}/changelog ${package_build}/corvallo.1
  VERBATIM)
add_custom_target(corvallo_package_files ALL
  DEPENDS ${package_build}/changelog.gz ${package_build}/corvallo.1.gz)

install(FILES ${package_build}/${CORVALLO_APPSTREAM_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${package_build}/corvallo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${package_build}/copyright ${package_build}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvallo)

# What the .deb is called, where it goes, and its control fields.
execute_process(COMMAND dpkg --print-architecture
  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_PACKAGE_NAME corvallo)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CORVALLO_DEB_FILE
  ${CPACK_PACKAGE_DIRECTORY}/corvallo_${PROJECT_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CORVALLO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CORVALLO_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CORVALLO_SUMMARY}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CORVALLO_DESCRIPTION}")
# The Depends field: the libraries the program links, as dpkg-shlibdeps
# finds them with their packages' versions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A package installs binaries without their debug information.
set(CPACK_STRIP_FILES ON)
# Folders as Debian wants them whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
