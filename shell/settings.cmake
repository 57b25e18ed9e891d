# vz_settings: "Reversi.ini" read and written over the store vz_inistore
# (../settings), and the level dialog with its spin fields and the analyst
# player's choice.
add_library(vz_settings STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/Settings.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Settings.h
  ${CMAKE_CURRENT_SOURCE_DIR}/Levelunt.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Levelunt.h
  ${CMAKE_CURRENT_SOURCE_DIR}/StrongLevel.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/StrongLevel.h
)
target_include_directories(vz_settings PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vz_settings PUBLIC vz_engine vz_inistore vz_widgets Qt6::Widgets PRIVATE vz_common vz_engines)

# An installed copy finds its desktop entry at this path from its own folder,
# whatever prefix it was installed under (cmake --install --prefix, or the
# Debian package's /usr); a copy run from anywhere else finds none.
include(GNUInstallDirs)
file(RELATIVE_PATH vz_entry_from_bindir ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/applications/${VZ_APP_ID}.desktop)
target_compile_definitions(vz_settings PRIVATE VZ_ENTRY_FROM_BINDIR="${vz_entry_from_bindir}")
