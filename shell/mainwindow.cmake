# vz_mainwindow: the main window TMain and the parts it wires (menus, bars,
# side panel, game files, analysis), and the compiled-in assets; and the
# game's executable. Included from
# shell/CMakeLists.txt after the settings and start-up fragments.
add_library(vz_mainwindow STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/Sdimain.h
  ${CMAKE_CURRENT_SOURCE_DIR}/Sdimain.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MainMenus.h
  ${CMAKE_CURRENT_SOURCE_DIR}/MainMenus.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PlayBar.h
  ${CMAKE_CURRENT_SOURCE_DIR}/PlayBar.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/StatusLine.h
  ${CMAKE_CURRENT_SOURCE_DIR}/StatusLine.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PassBox.h
  ${CMAKE_CURRENT_SOURCE_DIR}/PassBox.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ControlHints.h
  ${CMAKE_CURRENT_SOURCE_DIR}/ControlHints.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardDesign.h
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardDesign.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/SidePanel.h
  ${CMAKE_CURRENT_SOURCE_DIR}/SidePanel.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/GameFiles.h
  ${CMAKE_CURRENT_SOURCE_DIR}/GameFiles.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/GameClipboard.h
  ${CMAKE_CURRENT_SOURCE_DIR}/GameClipboard.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/SetupDialog.h
  ${CMAKE_CURRENT_SOURCE_DIR}/SetupDialog.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/BestLine.h
  ${CMAKE_CURRENT_SOURCE_DIR}/BestLine.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardCoordinates.h
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardCoordinates.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/AnalysisController.h
  ${CMAKE_CURRENT_SOURCE_DIR}/AnalysisController.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/AnalysisThread.h
  ${CMAKE_CURRENT_SOURCE_DIR}/AnalysisThread.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/AnalysisWorker.h
  ${CMAKE_CURRENT_SOURCE_DIR}/AnalysisWorker.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Hint.h
  ${CMAKE_CURRENT_SOURCE_DIR}/Hint.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/GameReview.h
  ${CMAKE_CURRENT_SOURCE_DIR}/GameReview.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MatchWindow.h
  ${CMAKE_CURRENT_SOURCE_DIR}/MatchWindow.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/EngineSettings.h
  ${CMAKE_CURRENT_SOURCE_DIR}/EngineSettings.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/EnginesDialog.h
  ${CMAKE_CURRENT_SOURCE_DIR}/EnginesDialog.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/EngineOpponent.h
  ${CMAKE_CURRENT_SOURCE_DIR}/EngineOpponent.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PerfectEndgame.h
  ${CMAKE_CURRENT_SOURCE_DIR}/PerfectEndgame.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ThreadCount.h
  ${CMAKE_CURRENT_SOURCE_DIR}/ThreadCount.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/StrongPlayer.h
  ${CMAKE_CURRENT_SOURCE_DIR}/StrongPlayer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/WindowMemory.h
  ${CMAKE_CURRENT_SOURCE_DIR}/WindowMemory.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardExport.h
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardExport.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardPictures.h
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardPictures.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardStyle.h
  ${CMAKE_CURRENT_SOURCE_DIR}/BoardStyle.cpp
  ${PROJECT_SOURCE_DIR}/assets/assets.qrc
)
# Help > How to Play.
target_sources(vz_mainwindow PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/HowToPlay.h ${CMAKE_CURRENT_SOURCE_DIR}/HowToPlay.cpp)
# The openings: book moves, practice and the game library.
target_sources(vz_mainwindow PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/OpeningsController.h
  ${CMAKE_CURRENT_SOURCE_DIR}/OpeningsController.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/LibraryPanel.h
  ${CMAKE_CURRENT_SOURCE_DIR}/LibraryPanel.cpp)
# The player's views of the game.
target_sources(vz_mainwindow PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/MoveList.h
  ${CMAKE_CURRENT_SOURCE_DIR}/MoveList.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/UndoMyMove.h
  ${CMAKE_CURRENT_SOURCE_DIR}/UndoMyMove.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/GamesPlayed.h
  ${CMAKE_CURRENT_SOURCE_DIR}/GamesPlayed.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/NewGameChoice.h
  ${CMAKE_CURRENT_SOURCE_DIR}/NewGameChoice.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ClockController.h
  ${CMAKE_CURRENT_SOURCE_DIR}/ClockController.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/AnimateFlips.h
  ${CMAKE_CURRENT_SOURCE_DIR}/AnimateFlips.cpp)
target_link_libraries(vz_mainwindow PUBLIC vz_openings)
set_target_properties(vz_mainwindow PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(vz_mainwindow PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vz_mainwindow PUBLIC reversi_widget vz_analysis vz_analyst vz_engines vz_settings vz_widgets vz_numberformat
                                           vz_translations Qt6::Widgets Qt6::Multimedia)
find_package(Qt6 REQUIRED COMPONENTS Svg)
target_link_libraries(vz_mainwindow PRIVATE Qt6::Svg)

add_executable(vezari-zaduder ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_link_libraries(vezari-zaduder PRIVATE vz_mainwindow vz_startup)
