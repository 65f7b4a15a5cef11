# Fails when a file of the core includes a layer above its own, or anything
# outside the core and the standard library, or when the core or the Linux
# front-end names a Win32 constant. Run as: cmake -DROOT=<source dir> -P check_layers.cmake
set(layers ports model views app)
set(problems "")

foreach(rank RANGE 3)
  list(GET layers ${rank} layer)
  file(GLOB_RECURSE files ${ROOT}/core/${layer}/*.h ${ROOT}/core/${layer}/*.cpp
       ${ROOT}/core/${layer}/*.in)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" included "${line}")
      if(included MATCHES "^core/([a-z]+)/")
        list(FIND layers ${CMAKE_MATCH_1} includedRank)
        if(includedRank GREATER rank OR includedRank EQUAL -1)
          list(APPEND problems "${file}: ${layer} includes ${included}")
        endif()
      else()
        list(APPEND problems "${file}: includes ${included}, which is not in the core")
      endif()
    endforeach()
  endforeach()
endforeach()

# Message, button, mouse and check-box numbers belong to the Windows adapters.
set(win32Names "WM_[A-Z]+|MB_[A-Z]+|ID(OK|YES|NO|CANCEL)|BST_[A-Z]+|HWND|LPARAM|WPARAM|windows\\.h")
file(GLOB_RECURSE portable ${ROOT}/core/*.h ${ROOT}/core/*.cpp ${ROOT}/linux/*.h
     ${ROOT}/linux/*.cpp)
foreach(file IN LISTS portable)
  file(STRINGS ${file} hits REGEX "(^|[^A-Za-z_])(${win32Names})([^A-Za-z_]|$)")
  foreach(hit IN LISTS hits)
    list(APPEND problems "${file}: names a Win32 constant: ${hit}")
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "${text}")
endif()
