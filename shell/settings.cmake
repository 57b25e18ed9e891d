# vz_settings: the settings store and the level dialog with its spin fields.
find_path(VZ_SIMPLEINI_INCLUDE_DIR SimpleIni.h REQUIRED)

add_library(vz_settings STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/IniStore.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/IniStore.h
  ${CMAKE_CURRENT_SOURCE_DIR}/Settings.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Settings.h
  ${CMAKE_CURRENT_SOURCE_DIR}/SpinField.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/SpinField.h
  ${CMAKE_CURRENT_SOURCE_DIR}/Levelunt.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Levelunt.h
)
target_include_directories(vz_settings PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_include_directories(vz_settings SYSTEM PRIVATE ${VZ_SIMPLEINI_INCLUDE_DIR})
target_link_libraries(vz_settings PUBLIC vz_engine Qt6::Widgets)
