# vz_inistore: the settings file store, plain C++ over SimpleIni, and the
# window placement kept in it. Included from the top CMakeLists, since the
# robustness tests and the fuzzer link it in builds without the windows;
# Settings.cpp adds the Qt side.
find_path(VZ_SIMPLEINI_INCLUDE_DIR SimpleIni.h REQUIRED)

add_library(vz_inistore STATIC ${CMAKE_CURRENT_LIST_DIR}/IniStore.cpp ${CMAKE_CURRENT_LIST_DIR}/IniStore.h
  ${CMAKE_CURRENT_LIST_DIR}/IniText.cpp ${CMAKE_CURRENT_LIST_DIR}/IniText.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowPlacement.cpp ${CMAKE_CURRENT_LIST_DIR}/WindowPlacement.h)
target_include_directories(vz_inistore PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_include_directories(vz_inistore SYSTEM PRIVATE ${VZ_SIMPLEINI_INCLUDE_DIR})
target_link_libraries(vz_inistore PRIVATE vz_common)
