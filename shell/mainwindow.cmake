# vz_mainwindow: the main window TMain, the small widgets it is built from and
# the compiled-in assets; and the game's executable. Included from
# shell/CMakeLists.txt after the settings and start-up fragments.
add_library(vz_mainwindow STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/Sdimain.h
  ${CMAKE_CURRENT_SOURCE_DIR}/Sdimain.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileDrop.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/widgets/ArrowButton.h
  ${CMAKE_CURRENT_SOURCE_DIR}/widgets/ArrowButton.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/widgets/DropShadow.h
  ${CMAKE_CURRENT_SOURCE_DIR}/widgets/DropShadow.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/widgets/FlatButton.h
  ${CMAKE_CURRENT_SOURCE_DIR}/widgets/FlatButton.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/widgets/Shape.h
  ${CMAKE_CURRENT_SOURCE_DIR}/widgets/Shape.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/widgets/WaveSound.h
  ${CMAKE_CURRENT_SOURCE_DIR}/widgets/WaveSound.cpp
  ${PROJECT_SOURCE_DIR}/assets/assets.qrc
)
set_target_properties(vz_mainwindow PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(vz_mainwindow PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vz_mainwindow PUBLIC reversi_widget vz_settings Qt6::Widgets Qt6::Multimedia)

add_executable(vezari-zaduder ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_link_libraries(vezari-zaduder PRIVATE vz_mainwindow vz_startup)
