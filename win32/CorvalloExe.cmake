# Corvallo.exe: the program's windows (the main window, the About window and
# the hidden icon store), the notification icon and the entry point, on top of
# the core and the adapters, with its resources (icon, tip pictures, manifest,
# version block). Included from win32/CMakeLists.txt.

# The artwork: the rendered tip pictures and the icon.
set(CORVALLO_ARTWORK_DIR ${PROJECT_SOURCE_DIR}/resources)
set(CORVALLO_GENERATED_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated)

# The version block and the manifest carry the project's version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${CORVALLO_GENERATED_DIR}/version.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/corvallo.manifest.in
  ${CORVALLO_GENERATED_DIR}/corvallo.manifest @ONLY)

# Windows 10 declarations (per-monitor DPI), with fallbacks at run time.
set(CORVALLO_WINDOWS_VERSION _WIN32_WINNT=0x0A00 WINVER=0x0A00)

# The windows' building blocks: controls, menus, painting, fonts and brushes
# made from the layout description, and the notification icon. A library of
# its own, so that its tests (tests/win32) link the same code.
add_library(corvallo_win32_ui STATIC
  Dpi.cpp
  GdiCache.cpp
  HighContrast.cpp
  LayoutControls.cpp
  LayoutMenus.cpp
  LayoutPainter.cpp
  LinkKeys.cpp
  LinkRole.cpp
  PictureScaling.cpp
  Win32TrayIcon.cpp)
target_compile_definitions(corvallo_win32_ui PUBLIC ${CORVALLO_WINDOWS_VERSION})
target_link_libraries(corvallo_win32_ui PUBLIC
  corvallo_views corvallo_win32_adapters comctl32 uxtheme gdi32 user32 ole32 oleacc)

add_executable(Corvallo WIN32
  main.cpp
  AboutWindow.cpp
  IconStoreWindow.cpp
  MainWindow.cpp
  MainWindowCommands.cpp
  MainWindowView.cpp
  PngDecoder.cpp
  StartTraceFile.cpp
  TipPictures.cpp
  corvallo.rc)

# The resource compiler finds resource.h beside the .rc, the pictures and the
# icon in resources/, version.h and the manifest among the generated files.
target_include_directories(Corvallo PRIVATE
  $<$<COMPILE_LANGUAGE:RC>:${CORVALLO_ARTWORK_DIR}>
  $<$<COMPILE_LANGUAGE:RC>:${CORVALLO_GENERATED_DIR}>)

# The resource compiler does not report the files an .rc embeds, so the
# pictures, the icon and the manifest are named as its dependencies here.
file(GLOB CORVALLO_EMBEDDED_FILES CONFIGURE_DEPENDS
  ${CORVALLO_ARTWORK_DIR}/rendered/*.png ${CORVALLO_ARTWORK_DIR}/rendered/*.ico)
set_source_files_properties(corvallo.rc PROPERTIES OBJECT_DEPENDS
  "${CORVALLO_EMBEDDED_FILES};${CORVALLO_GENERATED_DIR}/corvallo.manifest;${CORVALLO_GENERATED_DIR}/version.h;${CMAKE_CURRENT_LIST_DIR}/resource.h")

target_compile_definitions(Corvallo PRIVATE ${CORVALLO_WINDOWS_VERSION})
# The PNG decoder, stb_image, from Debian's libstb-dev: a header that holds
# the whole decoder. Only its own folder is added, so that the cross build
# sees none of the host's other headers.
find_path(CORVALLO_STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb NO_CMAKE_FIND_ROOT_PATH
  REQUIRED)
target_include_directories(Corvallo SYSTEM PRIVATE ${CORVALLO_STB_INCLUDE_DIR})
target_link_libraries(Corvallo PRIVATE
  corvallo_core corvallo_win32_ui corvallo_win32_adapters
  comctl32 ole32 oleacc uxtheme gdi32 user32)
if(MINGW)
  # wWinMain as the entry point; every library linked in, so that the program
  # needs no DLL beyond those of Windows.
  target_link_options(Corvallo PRIVATE -municode -static)
  # The shipped program carries no symbols, and unused code is dropped.
  target_compile_options(Corvallo PRIVATE -ffunction-sections -fdata-sections)
  target_compile_options(corvallo_win32_ui PRIVATE -ffunction-sections -fdata-sections)
  target_link_options(Corvallo PRIVATE -s -Wl,--gc-sections)
  # Sections start on page boundaries in the file as well as in memory, so
  # the loader can map the file's pages as they are touched. With the default
  # 512-byte alignment Wine reads the whole image, pictures included, into
  # memory of the process at every start (about 0.4 MiB more working set).
  target_link_options(Corvallo PRIVATE -Wl,--file-alignment,4096)
endif()

# build/windows/Corvallo.exe
set_target_properties(Corvallo PROPERTIES
  OUTPUT_NAME Corvallo
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
