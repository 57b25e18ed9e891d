# vz_settings: "Reversi.ini" read and written over the store vz_inistore
# (inistore.cmake), and the level dialog with its spin fields.
add_library(vz_settings STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/Settings.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Settings.h
  ${CMAKE_CURRENT_SOURCE_DIR}/Levelunt.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Levelunt.h
)
target_include_directories(vz_settings PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vz_settings PUBLIC vz_engine vz_widgets Qt6::Widgets PRIVATE vz_inistore vz_common)
