# The TReversi widget: the engine core drawn and played with Qt.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_library(reversi_widget STATIC
  Reversi.h
  ReversiWidget.cpp
  ReversiPaint.cpp
  ReversiMouse.cpp
)
set_target_properties(reversi_widget PROPERTIES AUTOMOC ON)
target_include_directories(reversi_widget PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(reversi_widget PUBLIC reversi_core Qt6::Widgets)
