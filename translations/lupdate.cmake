# The one way the English texts are gathered: lupdate over every source of
# the view and the wiring into TS, keeping the translations it already holds
# and dropping the texts the code no longer has. No line numbers are kept,
# so the file changes only when a text does.
#   cmake -DLUPDATE=... -DSOURCE=<repo> -DTS=<file.ts> -P lupdate.cmake
execute_process(
  COMMAND ${LUPDATE} -silent -locations none -no-obsolete -extensions cpp,h
    -source-language ja -target-language en -I ${SOURCE} ${SOURCE}/ui ${SOURCE}/app -ts ${TS}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lupdate failed on ${TS}")
endif()
