# Install layout (program, desktop entry, AppStream metadata, hicolor icons) and the Debian
# package. Included from the top-level CMakeLists.txt after the targets exist.

include(GNUInstallDirs)

set(VKP2_APP_ID "io.github.vkp2calc.VKP2Calculator")
# Public addresses and the package maintainer; change them here when the project moves.
set(VKP2_HOMEPAGE "https://vkp2calc.github.io")
set(VKP2_SCREENSHOT_URL
    "https://raw.githubusercontent.com/vkp2calc/vkp2calc/main/docs/screenshot.png")
set(VKP2_PACKAGE_MAINTAINER "VKP-2 Calculator developers <vkp2calc@users.noreply.github.com>")

# --- Icons: rendered at build time from the artwork the program itself paints ----------------
find_package(Qt6 REQUIRED COMPONENTS Svg)

add_executable(vkp2_render_icons ${CMAKE_CURRENT_LIST_DIR}/render_icons.cpp)
target_link_libraries(vkp2_render_icons PRIVATE vkp2_planner_window Qt6::Gui Qt6::Svg)

set(VKP2_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(VKP2_ICON_FILES ${VKP2_ICON_DIR}/scalable/apps/${VKP2_APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND VKP2_ICON_FILES ${VKP2_ICON_DIR}/${size}x${size}/apps/${VKP2_APP_ID}.png)
endforeach()

# Leak reports are the test suites' job; here one from Qt's caches would only break a
# sanitizer build.
add_custom_command(
  OUTPUT ${VKP2_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:vkp2_render_icons> ${VKP2_ICON_DIR} ${VKP2_APP_ID}
  DEPENDS vkp2_render_icons
  COMMENT "Rendering the application icon (SVG and PNG)"
  VERBATIM)
add_custom_target(vkp2_icons ALL DEPENDS ${VKP2_ICON_FILES})

# --- Metadata ----------------------------------------------------------------------------------
configure_file(${CMAKE_CURRENT_LIST_DIR}/${VKP2_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${VKP2_APP_ID}.metainfo.xml @ONLY)

# --- Install rules -----------------------------------------------------------------------------
install(TARGETS vkp2calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The planner on the command line, and its manual page.
install(TARGETS vkp2plan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vkp2plan.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vkp2plan.de.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1
        RENAME vkp2plan.1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VKP2_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${VKP2_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${VKP2_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# --- The planner: its own program, launcher, metadata and icon ---------------------------------
set(VKP2_PLANNER_ID "io.github.vkp2calc.VKP2Planner")
set(VKP2_PLANNER_SCREENSHOT_URL
    "https://raw.githubusercontent.com/vkp2calc/vkp2calc/main/docs/planner-screenshot.png")
set(VKP2_PLANNER_ICON_FILES ${VKP2_ICON_DIR}/scalable/apps/${VKP2_PLANNER_ID}.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND VKP2_PLANNER_ICON_FILES ${VKP2_ICON_DIR}/${size}x${size}/apps/${VKP2_PLANNER_ID}.png)
endforeach()
add_custom_command(
  OUTPUT ${VKP2_PLANNER_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:vkp2_render_icons> ${VKP2_ICON_DIR} ${VKP2_PLANNER_ID} planner
  DEPENDS vkp2_render_icons
  COMMENT "Rendering the planner's icon (SVG and PNG)"
  VERBATIM)
add_custom_target(vkp2_planner_icons ALL DEPENDS ${VKP2_PLANNER_ICON_FILES})
configure_file(${CMAKE_CURRENT_LIST_DIR}/${VKP2_PLANNER_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${VKP2_PLANNER_ID}.metainfo.xml @ONLY)
install(TARGETS vkp2planner RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VKP2_PLANNER_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${VKP2_PLANNER_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# --- Debian package (cpack -G DEB) -------------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "vkp2calc")
set(CPACK_PACKAGE_VENDOR "The VKP-2 Calculator developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "VKP-2 eyepiece-projection calculator for astrophotography")
set(CPACK_PACKAGE_DESCRIPTION [=[
A calculator for astrophotographers who shoot through the VKP-2
eyepiece-projection adapter. From a telescope, an eyepiece in the adapter
and the two projection distances it shows the extended focal length and
focal ratio; for a CCD camera and binning mode it shows the field of view
(arcminutes) and the pixel scale (arcseconds per pixel).]=])
set(CPACK_PACKAGE_CONTACT ${VKP2_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VKP2_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VKP2_HOMEPAGE})
# Library dependencies come from dpkg-shlibdeps; the X11/Wayland platform plugins and the SQLite
# driver that reads KStars' database are loaded at run time, so no linker record names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
# The window was laid out for a narrow sans font; Liberation Sans comes closest. Qt's own
# translations put the planner window's standard buttons and file dialogs in German too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
