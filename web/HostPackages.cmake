# The page packaged for the wallpaper hosts, built natively from a web
# build's page (GYRELACE_WEB_PAGE): gyrelace-lively.zip, and the folder
# gyrelace-wallpaper-engine with its zip. Their property files come from
# the settings table (make_host_packages), their pictures from
# gyrelace-render. The target gyrelace_host_packages is built on demand,
# once the web build has made the page.
set(GYRELACE_WEB_PAGE "" CACHE FILEPATH "gyrelace.html of a web build, for the package")
add_executable(make_host_packages ${CMAKE_CURRENT_LIST_DIR}/make_host_packages.cpp)
target_link_libraries(make_host_packages PRIVATE gyrelace_engine)
if(NOT GYRELACE_WEB_PAGE)
  return()
endif()

set(lively ${CMAKE_BINARY_DIR}/gyrelace-lively)
set(engine ${CMAKE_BINARY_DIR}/gyrelace-wallpaper-engine)
set(GYRELACE_HOST_ZIPS ${CMAKE_BINARY_DIR}/gyrelace-lively.zip ${CMAKE_BINARY_DIR}/gyrelace-wallpaper-engine.zip)
set(picture --seed=13 --object-size=10 --set=shape=0x1FE --set=rotation=0xE --set=zoom=0x3FE)
set(pack /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tools/pack-zip.py)
add_custom_command(OUTPUT ${GYRELACE_HOST_ZIPS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${lively} ${engine}
  COMMAND make_host_packages ${lively} ${engine}
  COMMAND gyrelace-render ${picture} --size 640x360 --out ${lively}/thumbnail.png
  COMMAND gyrelace-render ${picture} --size 512x512 --out ${engine}/preview.png
  COMMAND ${CMAKE_COMMAND} -E copy ${GYRELACE_WEB_PAGE} ${lively}/gyrelace.html
  COMMAND ${CMAKE_COMMAND} -E copy ${GYRELACE_WEB_PAGE} ${engine}/gyrelace.html
  COMMAND ${pack} ${CMAKE_BINARY_DIR}/gyrelace-lively.zip LivelyInfo.json=${lively}/LivelyInfo.json
          LivelyProperties.json=${lively}/LivelyProperties.json gyrelace.html=${lively}/gyrelace.html
          thumbnail.png=${lively}/thumbnail.png
  COMMAND ${pack} ${CMAKE_BINARY_DIR}/gyrelace-wallpaper-engine.zip
          gyrelace-wallpaper-engine/project.json=${engine}/project.json
          gyrelace-wallpaper-engine/gyrelace.html=${engine}/gyrelace.html
          gyrelace-wallpaper-engine/preview.png=${engine}/preview.png
  DEPENDS make_host_packages gyrelace-render ${GYRELACE_WEB_PAGE} ${PROJECT_SOURCE_DIR}/tools/pack-zip.py
  COMMENT "Packing the page for Lively and Wallpaper Engine")
add_custom_target(gyrelace_host_packages DEPENDS ${GYRELACE_HOST_ZIPS})
