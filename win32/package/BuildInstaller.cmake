# Builds the installer with makensis from win32/package/Corvallo.nsi.
#
#   cmake -DMAKENSIS=... -DVERSION=1.10 -DPROGRAM=.../Corvallo.exe
#         -DLICENSE_FILE=... -DICON=... -DPUBLISHER=... -DHOMEPAGE=...
#         -DOUTFILE=.../Corvallo-1.10-setup.exe -P BuildInstaller.cmake
#
# The package's post-build step (PostBuild.cmake) includes it with the same
# variables set; the tests run it with a lower VERSION for an older installer
# to upgrade from.
foreach(variable MAKENSIS VERSION PROGRAM LICENSE_FILE ICON PUBLISHER HOMEPAGE OUTFILE)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "BuildInstaller.cmake: ${variable} is not set")
  endif()
endforeach()

# The version block wants four numbers: 1.10 -> 1.10.0.0.
string(REPLACE "." ";" version_parts "${VERSION}")
list(LENGTH version_parts count)
while(count LESS 4)
  list(APPEND version_parts 0)
  math(EXPR count "${count} + 1")
endwhile()
list(JOIN version_parts "." version_quad)

get_filename_component(script_dir "${CMAKE_CURRENT_LIST_FILE}" DIRECTORY)
execute_process(
  COMMAND "${MAKENSIS}" -V2 -WX -INPUTCHARSET UTF8
    "-X!addincludedir ${script_dir}"
    "-DVERSION=${VERSION}" "-DVERSION_QUAD=${version_quad}"
    "-DPROGRAM=${PROGRAM}" "-DLICENSE_FILE=${LICENSE_FILE}" "-DICON=${ICON}"
    "-DPUBLISHER=${PUBLISHER}" "-DHOMEPAGE=${HOMEPAGE}" "-DOUTFILE=${OUTFILE}"
    "${script_dir}/Corvallo.nsi"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "makensis failed (${status}) building ${OUTFILE}")
endif()
