# On the build machine: the recording and raster surfaces, the renderer,
# the tests and the benchmarks.
find_package(PNG REQUIRED)

add_library(gyrelace_surfaces STATIC
  anim/RasterSurface.cpp
  anim/RecordingSurface.cpp
)
target_link_libraries(gyrelace_surfaces PUBLIC gyrelace_engine)

add_library(gyrelace_render STATIC
  tools/PngFile.cpp
  tools/RenderOptions.cpp
  tools/RenderRun.cpp
)
target_link_libraries(gyrelace_render PUBLIC gyrelace_surfaces PNG::PNG)

add_executable(gyrelace-render tools/gyrelace_render.cpp)
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
add_executable(gyrelace
  x11/Blitter.cpp
  x11/DamageSurface.cpp
  x11/DisplayLoop.cpp
  x11/TargetWindow.cpp
  x11/XErrors.cpp
  x11/gyrelace_x11.cpp
)
target_link_libraries(gyrelace PRIVATE gyrelace_x11_options gyrelace_surfaces X11::X11 X11::Xext)
