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
  settings/StoredValues.cpp
  stamps/ShapeStamps.cpp
  stamps/StampZoom.cpp
)
target_include_directories(gyrelace_engine PUBLIC ${PROJECT_SOURCE_DIR})

# The saver's command-line scan: portable, so it is tested on the build
# machine as well as built into the saver.
add_library(gyrelace_command_line STATIC windows/CommandLine.cpp)
target_include_directories(gyrelace_command_line PUBLIC ${PROJECT_SOURCE_DIR})
