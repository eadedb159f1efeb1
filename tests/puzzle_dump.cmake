# The dealt puzzles of a seed never change: every line of golden/puzzles.sha256
# names COUNT SEED LEVEL and the SHA-256 of what `puzzles` printed for them
# when the line was written. A change to the solution builder's draws or to
# the open-cell decision, or to the unique deals of levels 3 and 4, shows up
# here as a different hash.
#   cmake -DTOOL=path/to/puzzles -DGOLDEN=path/to/puzzles.sha256 -P puzzle_dump.cmake
file(STRINGS ${GOLDEN} lines)
foreach(line IN LISTS lines)
  separate_arguments(fields UNIX_COMMAND "${line}")
  list(GET fields 0 expected)
  list(SUBLIST fields 1 3 arguments)
  execute_process(COMMAND ${TOOL} ${arguments} OUTPUT_VARIABLE out RESULT_VARIABLE status)
  string(SHA256 actual "${out}")
  if(NOT status EQUAL 0 OR NOT actual STREQUAL expected)
    message(SEND_ERROR "puzzles ${arguments}: exit ${status}, hash ${actual}, expected ${expected}")
  endif()
endforeach()
