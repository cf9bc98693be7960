# The browser page: the engine compiled to WebAssembly with the functions
# the page calls, put together with the page's template, style and script
# into one HTML file, gyrelace.html, that needs no server and no network.
set(GYRELACE_RENDER "" CACHE FILEPATH "gyrelace-render of a native build, which draws the pictures the page must equal")
set(GYRELACE_LEAN_FLAGS -fno-exceptions -fno-rtti)
target_compile_options(gyrelace_engine PRIVATE ${GYRELACE_LEAN_FLAGS})

add_executable(gyrelace_module
  anim/DamageSurface.cpp
  anim/RasterSurface.cpp
  web/PageExports.cpp
  web/PagePicture.cpp
  web/PageSettings.cpp
  web/PanelDescription.cpp
)
target_compile_options(gyrelace_module PRIVATE ${GYRELACE_LEAN_FLAGS})
target_link_libraries(gyrelace_module PRIVATE gyrelace_engine)
# The module and its loader in one script, the WebAssembly inlined; a
# factory the page calls; memory that grows with the canvas.
target_link_options(gyrelace_module PRIVATE --no-entry -sMODULARIZE=1 -sEXPORT_NAME=GyrelaceModule -sSINGLE_FILE=1
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0 -sMALLOC=emmalloc -sEXPORTED_RUNTIME_METHODS=cwrap
  -sINCOMING_MODULE_JS_API=onAbort)

set(GYRELACE_PAGE ${CMAKE_BINARY_DIR}/gyrelace.html)
add_custom_command(OUTPUT ${GYRELACE_PAGE}
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/web -DMODULE=$<TARGET_FILE:gyrelace_module>
          -DOUT=${GYRELACE_PAGE} -P ${PROJECT_SOURCE_DIR}/cmake/InlinePage.cmake
  DEPENDS gyrelace_module ${PROJECT_SOURCE_DIR}/cmake/InlinePage.cmake
          ${PROJECT_SOURCE_DIR}/web/page.html ${PROJECT_SOURCE_DIR}/web/page.css ${PROJECT_SOURCE_DIR}/web/page.js
  COMMENT "Writing the page gyrelace.html")
add_custom_target(gyrelace_page ALL DEPENDS ${GYRELACE_PAGE})

enable_testing()
add_subdirectory(tests/web)
