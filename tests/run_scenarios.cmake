# Runs every scenario file (*.scn) of DIR through the driver and compares its answers with the .expected file
# beside it, and the driver's exit code with the one its answers call for.  Times vary from run to run, so every
# "ms" figure is masked before the comparison.
file(GLOB scenarios ${DIR}/*.scn)
set(failed "")
foreach(scn IN LISTS scenarios)
  get_filename_component(stem ${scn} NAME_WE)
  # A scenario whose name ends in _it runs under Italian regional settings (the comma as decimal separator).
  set(locale LANG=C.UTF-8 LC_ALL= LC_NUMERIC=)
  if(stem MATCHES "_it$")
    set(locale LANG=it_IT.UTF-8 LC_ALL= LC_NUMERIC=)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${locale} ${DRIVER} ${scn}
                  OUTPUT_VARIABLE out RESULT_VARIABLE rc WORKING_DIRECTORY ${DIR})
  string(REGEX REPLACE "\"ms\":[-0-9.]+" "\"ms\":_" out "${out}")
  file(READ ${DIR}/${stem}.expected expected)
  # The driver exits 1 exactly when some command answered with an error, however the script ends (also by
  # closing the last screen), and 0 otherwise.
  set(expected_rc 0)
  if(expected MATCHES "(^|\n){\"error\":")
    set(expected_rc 1)
  endif()
  if(NOT out STREQUAL expected)
    message("--- ${stem}: answers differ (exit ${rc})\n--- got:\n${out}--- expected:\n${expected}")
    list(APPEND failed ${stem})
  elseif(NOT rc STREQUAL expected_rc)
    message("--- ${stem}: exit ${rc}, expected ${expected_rc}")
    list(APPEND failed ${stem})
  endif()
endforeach()
list(LENGTH scenarios count)
if(failed)
  message(FATAL_ERROR "scenarios failed: ${failed}")
endif()
message("${count} scenario files passed")
