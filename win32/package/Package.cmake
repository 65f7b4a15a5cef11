# The Windows packages, made by `cmake --build --preset windows --target
# package` into build/windows/packages/:
#   Corvallo-<version>-portable.zip   Corvallo.exe, README.md, LICENSE (CPack's ZIP)
#   Corvallo-<version>-setup.exe      the per-user installer (NSIS, Corvallo.nsi)
#   winget/*.yaml, scoop/corvallo.json  manifests for those package managers,
#                                       with the installer's SHA-256
# CPack makes the zip; its post-build step (PostBuild.cmake) then builds the
# installer from the same Corvallo.exe and fills in the manifests, once the
# files they describe exist. Included from cmake/Packaging.cmake.

find_program(CORVALLO_MAKENSIS makensis)
if(NOT CORVALLO_MAKENSIS)
  message(WARNING "makensis not found (Debian package nsis): "
                  "the package target makes the portable zip only")
endif()

# Where users download the files from; the manifests point there.
set(CORVALLO_DOWNLOAD_URL "${CORVALLO_HOMEPAGE}/download")

install(TARGETS Corvallo RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${CORVALLO_LICENSE_FILE} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${CORVALLO_PACKAGE_NAME})
set(CPACK_PACKAGE_FILE_NAME "${CORVALLO_PACKAGE_NAME}-${PROJECT_VERSION}-portable")
# The three files at the top of the zip, as Corvallo.exe expects nothing else.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PostBuild.cmake)

# What the post-build step needs; CPack hands on only variables named CPACK_*.
set(CPACK_CORVALLO_MAKENSIS "${CORVALLO_MAKENSIS}")
# CPackConfig.cmake takes no generator expressions; win32/CorvalloExe.cmake
# puts the program at the top of the build folder.
set(CPACK_CORVALLO_PROGRAM ${CMAKE_BINARY_DIR}/Corvallo.exe)
set(CPACK_CORVALLO_ICON ${PROJECT_SOURCE_DIR}/resources/rendered/corvallo.ico)
set(CPACK_CORVALLO_LICENSE_FILE ${CORVALLO_LICENSE_FILE})
set(CPACK_CORVALLO_PUBLISHER "${CORVALLO_PUBLISHER}")
set(CPACK_CORVALLO_HOMEPAGE "${CORVALLO_HOMEPAGE}")
set(CPACK_CORVALLO_DOWNLOAD_URL "${CORVALLO_DOWNLOAD_URL}")
set(CPACK_CORVALLO_SCRIPTS_DIR ${CMAKE_CURRENT_LIST_DIR})

include(CPack)
