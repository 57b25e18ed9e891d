# Runs the game with arguments it answers without a window, under a platform
# that does not exist: starting Qt's windowing would fail the run.
#   cmake -DGAME=<vezari-zaduder> -P run_game_args.cmake
function(expect code pattern)
  execute_process(COMMAND ${GAME} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL "${code}" OR NOT "${out}${err}" MATCHES "${pattern}")
    message(FATAL_ERROR "vezari-zaduder ${ARGN}: exit ${rc}, expected ${code} and '${pattern}'\n${out}${err}")
  endif()
endfunction()

set(ENV{QT_QPA_PLATFORM} "no-such-platform")
set(ENV{LC_ALL} "C.UTF-8")
set(ENV{LANGUAGE} "")
expect(0 "^Usage: vezari-zaduder " --help)
expect(0 "FILE, a saved game \\(.RGM, GGF or a move list" --help)
expect(0 "^vezari-zaduder [0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+\n" --version)
expect(2 "Unknown option 'bogus'.*Usage: " --bogus)
expect(2 "Only one game file" a.RGM b.RGM)

# In the user's language, the parser's own messages too.
set(ENV{LC_ALL} "de_DE.UTF-8")
expect(2 "Nur eine Spieldatei.*Aufruf: vezari-zaduder" a.RGM b.RGM)
expect(2 "bogus.*Aufruf: " --bogus)
expect(0 "GGF oder eine Zugliste" --help)
