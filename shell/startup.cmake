# vz_startup: the version data and its label, the about box, the splash
# window and the start-up sequence. Included from shell/CMakeLists.txt.

# The version data every executable that shows a version label carries
# (VersionInfo.h). The file version is the project's; the product is named by
# its major and minor version alone.
set(VZ_FILE_VERSION_TEXT "${VezariZaduder_VERSION}")
set(VZ_PRODUCT_VERSION_TEXT "${VezariZaduder_VERSION_MAJOR}.${VezariZaduder_VERSION_MINOR}.0.0")
set(VZ_AUTHOR "The Vezari Zaduder authors" CACHE STRING "Copyright holder shown in the about box and the version data")
set(VZ_COPYRIGHT_YEAR "2026" CACHE STRING "Copyright year")
set(VZ_CONTACT "vezari-zaduder@example.org" CACHE STRING "Contact address shown in the about box")
set(VZ_WEB_ADDRESS "www.example.org" CACHE STRING "Web address shown in the about box")
set(VZ_LEGAL_COPYRIGHT "Copyright (C) ${VZ_COPYRIGHT_YEAR} ${VZ_AUTHOR}")
math(EXPR VZ_FILE_VERSION_MS
  "(${VezariZaduder_VERSION_MAJOR} << 16) | ${VezariZaduder_VERSION_MINOR}" OUTPUT_FORMAT HEXADECIMAL)
math(EXPR VZ_FILE_VERSION_LS
  "(0${VezariZaduder_VERSION_PATCH} << 16) | 0${VezariZaduder_VERSION_TWEAK}" OUTPUT_FORMAT HEXADECIMAL)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/VersionData.cpp.in ${CMAKE_CURRENT_BINARY_DIR}/VersionData.cpp @ONLY)

# Linking this compiles the data into the linking executable itself (a static
# library would drop it, since no code refers to it).
add_library(vz_version_data INTERFACE)
target_sources(vz_version_data INTERFACE ${CMAKE_CURRENT_BINARY_DIR}/VersionData.cpp)

add_library(vz_startup STATIC
  VersionInfo.h VersionInfo.cpp
  verslab.h verslab.cpp
  About.h About.cpp
  Splash.h Splash.cpp
  Startup.h Startup.cpp
  CommandLine.h CommandLine.cpp
)
set_target_properties(vz_startup PROPERTIES AUTOMOC ON)
target_include_directories(vz_startup PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(vz_startup PRIVATE
  VZ_AUTHOR="${VZ_AUTHOR}"
  VZ_COPYRIGHT_YEAR="${VZ_COPYRIGHT_YEAR}"
  VZ_CONTACT="${VZ_CONTACT}"
  VZ_WEB_ADDRESS="${VZ_WEB_ADDRESS}"
)
target_link_libraries(vz_startup PUBLIC reversi_widget vz_widgets vz_numberformat Qt6::Widgets INTERFACE vz_version_data)
