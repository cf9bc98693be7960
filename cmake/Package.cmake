# The Debian package: the display mode and its panel where xscreensaver
# looks for them, the Wayland client, the renderer, and the browser page
# with its wallpaper hosts' packages when a web build has made it (the
# native preset names build/web's; tools/test.sh builds it, then
# gyrelace_host_packages, before packaging).
install(TARGETS gyrelace DESTINATION libexec/xscreensaver)
install(FILES ${GYRELACE_PANEL} DESTINATION share/xscreensaver/config)
install(TARGETS gyrelace-render gyrelace-wayland DESTINATION bin)
if(GYRELACE_WEB_PAGE)
  install(FILES ${GYRELACE_WEB_PAGE} ${GYRELACE_HOST_ZIPS} DESTINATION share/gyrelace)
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
works when opened from disk, with its packages for the wallpaper hosts
Lively and Wallpaper Engine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # libc6, libstdc++6, libx11-6, libxext6, libwayland-client0 ... as linked
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xscreensaver)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS swayidle)
set(CPACK_STRIP_FILES ON)
include(CPack)
