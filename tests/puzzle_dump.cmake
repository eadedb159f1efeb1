# The dealt puzzles of a seed never change: each line of golden/puzzles.sha256 is
# the SHA-256 of what `puzzles COUNT SEED LEVEL` printed when it was written,
# then those three arguments.
#   cmake -DTOOL=path/to/puzzles -DGOLDEN=path/to/puzzles.sha256 -P puzzle_dump.cmake
file(STRINGS ${GOLDEN} lines)
foreach(line IN LISTS lines)
  separate_arguments(fields UNIX_COMMAND "${line}")
  list(POP_FRONT fields expected)
  execute_process(COMMAND ${TOOL} ${fields} OUTPUT_VARIABLE out RESULT_VARIABLE status)
  string(SHA256 actual "${out}")
  if(NOT status EQUAL 0 OR NOT actual STREQUAL expected)
    message(SEND_ERROR "puzzles ${fields}: exit ${status}, hash ${actual}, expected ${expected}")
  endif()
endforeach()
