# The packages users download, made by `cmake --build --preset <preset>
# --target package` into build/<preset>/packages/: on Windows the installer,
# the portable zip and the winget and Scoop manifests (win32/package/),
# on Linux the .deb (linux/package/). What both share is set here.
set(CORVALLO_PACKAGE_NAME Corvallo)
set(CORVALLO_PUBLISHER "The Corvallo developers")
set(CORVALLO_HOMEPAGE "https://www.corvallo.example")
set(CORVALLO_LICENSE_FILE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${CORVALLO_PUBLISHER})
set(CPACK_RESOURCE_FILE_LICENSE ${CORVALLO_LICENSE_FILE})

if(WIN32)
  include(${PROJECT_SOURCE_DIR}/win32/package/Package.cmake OPTIONAL)
else()
  include(${PROJECT_SOURCE_DIR}/linux/package/Package.cmake OPTIONAL)
endif()
