# On the build machine: the recording and raster surfaces, the renderer,
# the tests and the benchmarks.
find_package(PNG REQUIRED)
# The xscreensaver panel, written at build time from the settings table.
set(GYRELACE_PANEL ${CMAKE_BINARY_DIR}/gyrelace.xml)

add_library(gyrelace_surfaces STATIC
  anim/DamageSurface.cpp
  anim/RasterSurface.cpp
  anim/RecordingSurface.cpp
)
target_link_libraries(gyrelace_surfaces PUBLIC gyrelace_engine)

find_package(PkgConfig REQUIRED)
pkg_check_modules(WEBP REQUIRED IMPORTED_TARGET libwebpmux libwebp)

add_library(gyrelace_render STATIC
  render/OutputFile.cpp
  render/PngFile.cpp
  render/RenderOptions.cpp
  render/RecordFigures.cpp
  render/RenderRun.cpp
  render/SvgSurface.cpp
  render/WebpAnimation.cpp
)
target_link_libraries(gyrelace_render PUBLIC gyrelace_surfaces PNG::PNG PkgConfig::WEBP)

add_executable(gyrelace-render render/gyrelace_render.cpp)
target_link_libraries(gyrelace-render PRIVATE gyrelace_render)

enable_testing()
add_subdirectory(tests)

if(GYRELACE_BENCH)
  add_subdirectory(bench)
endif()

# The xscreensaver display mode: Xlib and MIT-SHM.
find_package(X11 REQUIRED)
if(NOT X11_Xext_FOUND)
  message(FATAL_ERROR "the MIT-SHM extension library (libXext) is missing")
endif()
add_library(gyrelace_x11_options STATIC x11/DisplayOptions.cpp)
target_link_libraries(gyrelace_x11_options PUBLIC gyrelace_engine)
add_library(gyrelace_x11 STATIC
  x11/Blitter.cpp
  x11/DisplayLoop.cpp
  x11/TargetWindow.cpp
  x11/XErrors.cpp
)
target_link_libraries(gyrelace_x11 PUBLIC gyrelace_x11_options gyrelace_surfaces X11::X11 X11::Xext)
add_executable(gyrelace x11/gyrelace_x11.cpp)
target_link_libraries(gyrelace PRIVATE gyrelace_x11)

add_executable(make_panel x11/make_panel.cpp settings/SettingsTable.cpp)
target_include_directories(make_panel PRIVATE ${PROJECT_SOURCE_DIR})
add_custom_command(OUTPUT ${GYRELACE_PANEL} COMMAND make_panel ${GYRELACE_PANEL} DEPENDS make_panel
  COMMENT "Writing the xscreensaver panel gyrelace.xml")
add_custom_target(gyrelace_panel ALL DEPENDS ${GYRELACE_PANEL})

# The Wayland front end: libwayland-client, and the bindings wayland-scanner
# writes at build time for the layer-shell protocol (described in
# wayland/layer-shell.xml) and for xdg-output, relative-pointer and xdg-shell
# (from Debian's wayland-protocols; xdg-shell only for the popup type
# layer-shell names).
enable_language(C)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET GLOBAL wayland-client)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
pkg_get_variable(WAYLAND_PROTOCOLS wayland-protocols pkgdatadir)
if(NOT WAYLAND_SCANNER OR NOT WAYLAND_PROTOCOLS)
  message(FATAL_ERROR "wayland-scanner (libwayland-bin) or wayland-protocols is missing")
endif()
set(GYRELACE_PROTOCOLS ${CMAKE_BINARY_DIR}/protocols)
set(GYRELACE_PROTOCOL_CODE)
foreach(protocol
    layer-shell=${PROJECT_SOURCE_DIR}/wayland/layer-shell.xml
    xdg-output=${WAYLAND_PROTOCOLS}/unstable/xdg-output/xdg-output-unstable-v1.xml
    relative-pointer=${WAYLAND_PROTOCOLS}/unstable/relative-pointer/relative-pointer-unstable-v1.xml
    xdg-shell=${WAYLAND_PROTOCOLS}/stable/xdg-shell/xdg-shell.xml)
  string(REPLACE "=" ";" protocol ${protocol})
  list(GET protocol 0 name)
  list(GET protocol 1 xml)
  add_custom_command(OUTPUT ${GYRELACE_PROTOCOLS}/${name}-client.h ${GYRELACE_PROTOCOLS}/${name}.c
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GYRELACE_PROTOCOLS}
    COMMAND ${WAYLAND_SCANNER} --strict client-header ${xml} ${GYRELACE_PROTOCOLS}/${name}-client.h
    COMMAND ${WAYLAND_SCANNER} --strict private-code ${xml} ${GYRELACE_PROTOCOLS}/${name}.c
    DEPENDS ${xml} COMMENT "Writing the ${name} protocol's bindings")
  list(APPEND GYRELACE_PROTOCOL_CODE ${GYRELACE_PROTOCOLS}/${name}.c ${GYRELACE_PROTOCOLS}/${name}-client.h)
endforeach()
add_library(gyrelace_wayland_protocols STATIC ${GYRELACE_PROTOCOL_CODE})
target_include_directories(gyrelace_wayland_protocols PUBLIC ${GYRELACE_PROTOCOLS})
target_link_libraries(gyrelace_wayland_protocols PUBLIC PkgConfig::WAYLAND_CLIENT)

add_library(gyrelace_wayland_options STATIC wayland/WaylandOptions.cpp)
target_link_libraries(gyrelace_wayland_options PUBLIC gyrelace_engine)
add_library(gyrelace_wayland STATIC
  wayland/DisplayWait.cpp
  wayland/LayerPicture.cpp
  wayland/Output.cpp
  wayland/SaverSeat.cpp
  wayland/ShmBuffers.cpp
  wayland/WaylandClient.cpp
  wayland/WaylandLog.cpp
)
target_link_libraries(gyrelace_wayland PUBLIC gyrelace_wayland_options gyrelace_surfaces gyrelace_wayland_protocols)
add_executable(gyrelace-wayland wayland/gyrelace_wayland.cpp)
target_link_libraries(gyrelace-wayland PRIVATE gyrelace_wayland)

# The Debian package: the display mode and its panel where xscreensaver
# looks for them, the Wayland client, the renderer, and the browser page
# when a web build has made it (the native preset names build/web's;
# tools/test.sh builds it before packaging).
set(GYRELACE_WEB_PAGE "" CACHE FILEPATH "gyrelace.html of a web build, for the package")
install(TARGETS gyrelace DESTINATION libexec/xscreensaver)
install(FILES ${GYRELACE_PANEL} DESTINATION share/xscreensaver/config)
install(TARGETS gyrelace-render gyrelace-wayland DESTINATION bin)
if(GYRELACE_WEB_PAGE)
  install(FILES ${GYRELACE_WEB_PAGE} DESTINATION share/gyrelace)
endif()
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gyrelace)
set(CPACK_PACKAGE_VENDOR "Gyrelace")
set(CPACK_PACKAGE_CONTACT "Gyrelace developers <gyrelace@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "slowly traced figures for xscreensaver and Wayland desktops")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Gyrelace fills the screen with closed curves of 361 points built from sine
and cosine products, stamped with small turning, zooming shapes in a
drifting colour. The package holds the display mode with its settings panel
for xscreensaver; gyrelace-wayland, a live wallpaper or a screen saver on
every output of a Wayland compositor with the layer-shell protocol (sway,
Hyprland, river, Wayfire, KDE Plasma); gyrelace-render, which draws the
same figures headless as PNG and SVG pictures and animated WebP; and
/usr/share/gyrelace/gyrelace.html, the same figures as one web page that
works when opened from disk.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # libc6, libstdc++6, libx11-6, libxext6, libwayland-client0 ... as linked
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xscreensaver)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS swayidle)
set(CPACK_STRIP_FILES ON)
include(CPack)
