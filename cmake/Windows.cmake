# Gyrelace.scr: the Windows shell around the engine, linked statically so it
# needs no DLL but Windows' own, small (no exceptions, no RTTI, no iostream).
enable_language(RC)

set(GYRELACE_SAVER_SOURCES
  windows/AnimationProc.cpp
  windows/GdiSurface.cpp
  windows/InputWatch.cpp
  windows/Monitors.cpp
  windows/RegistryStore.cpp
  windows/SaverWindow.cpp
  windows/SetupDialog.cpp
  windows/SaverRecords.cpp
  windows/StartUp.cpp
  windows/SystemLibrary.cpp
  # The saver parses no options and shows no usage text or panel: its own
  # build of the settings table leaves their texts out (GYRELACE_SAVER_TABLE
  # below), and the engine's full table is then never linked in.
  settings/SettingsTable.cpp
)
set(GYRELACE_LEAN_FLAGS -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -ffunction-sections -fdata-sections)

target_compile_options(gyrelace_engine PRIVATE ${GYRELACE_LEAN_FLAGS})
target_compile_options(gyrelace_command_line PRIVATE ${GYRELACE_LEAN_FLAGS})

# With -fdata-sections MinGW puts even zero-initialised records in .data
# sections of their own, which take file space; the records' file keeps them
# in .bss.
set_source_files_properties(windows/SaverRecords.cpp PROPERTIES COMPILE_OPTIONS -fno-data-sections)

# The version resource and the manifest carry the project's version.
configure_file(res/Gyrelace.manifest.in ${CMAKE_BINARY_DIR}/res/Gyrelace.manifest @ONLY)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/res/GyrelaceVersion.h CONTENT "// Written by the build: the project's version.
#define GYRELACE_VERSION_NUMBERS ${PROJECT_VERSION_MAJOR}, ${PROJECT_VERSION_MINOR}, 0, 0
#define GYRELACE_VERSION_TEXT \"${PROJECT_VERSION}\"
")

add_executable(gyrelace_scr WIN32 ${GYRELACE_SAVER_SOURCES} res/Gyrelace.rc)
target_include_directories(gyrelace_scr PRIVATE ${CMAKE_BINARY_DIR}/res ${PROJECT_SOURCE_DIR})
set_target_properties(gyrelace_scr PROPERTIES OUTPUT_NAME Gyrelace SUFFIX .scr)
target_compile_options(gyrelace_scr PRIVATE ${GYRELACE_LEAN_FLAGS})
target_compile_definitions(gyrelace_scr PRIVATE GYRELACE_SAVER_TABLE)
target_link_libraries(gyrelace_scr PRIVATE gyrelace_engine gyrelace_command_line)
# No link time in the PE header, so that a build is the same bytes every time.
target_link_options(gyrelace_scr PRIVATE -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp)

# Records GDI's pictures for the raster surface's known answers (a tool, not shipped).
add_executable(gdi_probe tools/gdi_probe.cpp)
target_link_options(gdi_probe PRIVATE -static)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  add_subdirectory(windows/installer)
endif()

enable_testing()
add_subdirectory(tests/windows)
