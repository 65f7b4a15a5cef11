# CPack's post-build step for the Windows packages (see Package.cmake): once
# the portable zip exists, builds the installer beside it from the same
# Corvallo.exe, then writes the winget and Scoop manifests with the
# installer's SHA-256.
set(version ${CPACK_PACKAGE_VERSION})
set(packages ${CPACK_PACKAGE_DIRECTORY})

if(NOT CPACK_CORVALLO_MAKENSIS)
  message(WARNING "makensis not found: no installer, no manifests")
  return()
endif()

set(installer_name Corvallo-${version}-setup.exe)
set(MAKENSIS ${CPACK_CORVALLO_MAKENSIS})
set(VERSION ${version})
set(PROGRAM ${CPACK_CORVALLO_PROGRAM})
set(LICENSE_FILE ${CPACK_CORVALLO_LICENSE_FILE})
set(ICON ${CPACK_CORVALLO_ICON})
set(PUBLISHER ${CPACK_CORVALLO_PUBLISHER})
set(HOMEPAGE ${CPACK_CORVALLO_HOMEPAGE})
set(OUTFILE ${packages}/${installer_name})
include(${CPACK_CORVALLO_SCRIPTS_DIR}/BuildInstaller.cmake)
message(STATUS "CPack: - installer: ${OUTFILE} generated.")

# The values the manifest templates use.
# winget's repository writes the hash in capitals, Scoop's in small letters.
file(SHA256 ${OUTFILE} INSTALLER_SHA256)
string(TOUPPER ${INSTALLER_SHA256} INSTALLER_SHA256_CAPITALS)
set(INSTALLER_URL ${CPACK_CORVALLO_DOWNLOAD_URL}/${installer_name})

set(templates ${CPACK_CORVALLO_SCRIPTS_DIR}/manifests)
foreach(manifest Corvallo.Corvallo.yaml Corvallo.Corvallo.installer.yaml
                 Corvallo.Corvallo.locale.en-US.yaml)
  configure_file(${templates}/winget/${manifest}.in ${packages}/winget/${manifest} @ONLY)
endforeach()
configure_file(${templates}/scoop/corvallo.json.in ${packages}/scoop/corvallo.json @ONLY)
message(STATUS "CPack: - manifests: ${packages}/winget, ${packages}/scoop generated.")
