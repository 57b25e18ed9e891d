# GGF and move-list files through the tool: a game saved as GGF or written
# as a move list loads to the same answers as the moves themselves, a set-up
# game to the same answers as --position, and refusals keep stdout empty.
set(board "------------XO-----OOOX---XOOOX---OOXOX---OOXX-----XXX----X-----X")

function(run expected_status)
  execute_process(COMMAND ${TOOL} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status
                  WORKING_DIRECTORY ${WORKDIR})
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "${ARGN}: status ${status}, expected ${expected_status}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(same_answers what)
  cmake_parse_arguments(A "" "" "DIRECT;LOADED" ${ARGN})
  foreach(mode --eval "--level;3")
    run(0 ${mode} ${A_DIRECT})
    set(direct "${out}")
    run(0 ${mode} ${A_LOADED})
    if(NOT out STREQUAL direct OR out STREQUAL "")
      message(FATAL_ERROR "${what} (${mode}):\n${out}\nvs\n${direct}")
    endif()
  endforeach()
endfunction()

set(ggf ${WORKDIR}/game.ggf)
file(REMOVE ${ggf})
run(0 --eval --save ${ggf} f5d6c3d3c4f4)
file(READ ${ggf} text)
if(NOT text MATCHES "^\\(;GM\\[Othello\\].*TY\\[8\\]BO\\[8 .*B\\[F5\\]W\\[D6\\]B\\[C3\\]W\\[D3\\]B\\[C4\\]W\\[F4\\];\\)\n$")
  message(FATAL_ERROR "saved GGF: ${text}")
endif()
same_answers("GGF file" DIRECT f5d6c3d3c4f4 LOADED --load ${ggf})

file(WRITE ${WORKDIR}/moves.txt "1. F5 d6\n2. C3 d3\n3. C4 f4\n")
same_answers("move-list file" DIRECT f5d6c3d3c4f4 LOADED --load ${WORKDIR}/moves.txt)

set(setup ${WORKDIR}/setup.ggf)
run(0 --eval --position ${board} --save ${setup} c3d2)
same_answers("set-up GGF file" DIRECT --position ${board} c3d2 LOADED --load ${setup})

file(REMOVE ${WORKDIR}/setup.rgm)
run(5 --position ${board} --save ${WORKDIR}/setup.rgm)
if(NOT out STREQUAL "" OR NOT err MATCHES "GGF" OR EXISTS ${WORKDIR}/setup.rgm)
  message(FATAL_ERROR "set-up game saved as .RGM: out '${out}', err '${err}'")
endif()

file(WRITE ${WORKDIR}/bad.ggf "(;GM[Othello]TY[8r]B[f5];)")
run(4 --eval --load ${WORKDIR}/bad.ggf)
if(NOT out STREQUAL "" OR NOT err MATCHES "TY\\[8r\\]")
  message(FATAL_ERROR "refused GGF: out '${out}', err '${err}'")
endif()
