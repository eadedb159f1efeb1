# The English texts are whole and current: lupdate over the sources into a
# copy of translations/lumitile_en.ts changes nothing (no text missing, none
# left over), and no entry is unfinished.
set(committed ${SOURCE}/translations/lumitile_en.ts)
configure_file(${committed} ${SCRATCH}/lumitile_en.ts COPYONLY)
execute_process(COMMAND ${CMAKE_COMMAND} -DLUPDATE=${LUPDATE} -DSOURCE=${SOURCE} -DTS=${SCRATCH}/lumitile_en.ts
                  -P ${SOURCE}/translations/lupdate.cmake COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND diff -u ${committed} ${SCRATCH}/lumitile_en.ts RESULT_VARIABLE differs)
file(READ ${committed} before)
if(differs OR before MATCHES "type=\"(unfinished|vanished|obsolete)\"")
  message(FATAL_ERROR "translations/lumitile_en.ts is not current or not finished (${CMAKE_MATCH_1}): run "
                      "cmake --build build --target update_translations and translate what it marks unfinished")
endif()
