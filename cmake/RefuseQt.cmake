# vz_refuse_qt(WHAT): stops the configure step when any C++ file in the
# calling folder includes a Qt header; WHAT names the library in the message.
# The engine and the analysis library are plain C++, and stay so.
function(vz_refuse_qt what)
  file(GLOB files RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(src IN LISTS files)
    file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/${src} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
    if(qt_includes)
      message(FATAL_ERROR "${what} must not include Qt: ${src}: ${qt_includes}")
    endif()
  endforeach()
endfunction()
