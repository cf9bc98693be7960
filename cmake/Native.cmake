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
  tools/RecordFigures.cpp
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
