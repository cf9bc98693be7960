# The portable engine: figures, stamps, settings and the random generator.
# It never includes windows.h and draws only through DrawingSurface.
add_library(gyrelace_engine STATIC
  anim/AnimationDriver.cpp
  anim/Curves.cpp
  anim/FigureChoices.cpp
  anim/TrigTables.cpp
  settings/SettingsStore.cpp
  settings/StoredValues.cpp
  stamps/ShapeStamps.cpp
  stamps/StampZoom.cpp
)
target_include_directories(gyrelace_engine PUBLIC ${PROJECT_SOURCE_DIR})
