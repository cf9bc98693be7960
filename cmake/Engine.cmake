# The portable engine: figures, stamps, settings and the random generator.
# It never includes windows.h and draws only through DrawingSurface.
add_library(gyrelace_engine STATIC
  anim/AnimationDriver.cpp
  anim/Curves.cpp
  anim/DesktopLayout.cpp
  anim/FigureChoices.cpp
  anim/OffsetSurface.cpp
  anim/PointClock.cpp
  anim/TrigTables.cpp
  settings/CommandLineScan.cpp
  settings/SettingOptions.cpp
  settings/SettingsStore.cpp
  settings/SettingsTable.cpp
  settings/StoredValues.cpp
  stamps/ShapeStamps.cpp
  stamps/StampZoom.cpp
)
target_include_directories(gyrelace_engine PUBLIC ${PROJECT_SOURCE_DIR})

# The saver's command-line scan: portable, so it is tested on the build
# machine as well as built into the saver.
add_library(gyrelace_command_line STATIC windows/CommandLine.cpp)
target_include_directories(gyrelace_command_line PUBLIC ${PROJECT_SOURCE_DIR})

# The engine's known answers as a program of their own, for the builds that
# run them elsewhere than in the native test program (under Wine, under Node).
function(gyrelace_known_answers_program)
  add_executable(engine_known_answers
    ${PROJECT_SOURCE_DIR}/tests/KnownAnswers.cpp
    ${PROJECT_SOURCE_DIR}/anim/RasterSurface.cpp
    ${PROJECT_SOURCE_DIR}/anim/RecordingSurface.cpp
    ${PROJECT_SOURCE_DIR}/render/RecordFigures.cpp
    ${PROJECT_SOURCE_DIR}/render/RenderOptions.cpp
    ${PROJECT_SOURCE_DIR}/render/SvgSurface.cpp
  )
  target_include_directories(engine_known_answers PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(engine_known_answers PRIVATE gyrelace_engine gtest_main)
endfunction()
