# Test: the wheelchair scenes committed in data/ are exactly what the generator writes today.
# -DTOOL=<tavrona-wheelchair> -DDATA=<data folder> -DWORK=<scratch folder>
file(REMOVE_RECURSE "${WORK}")
file(COPY "${DATA}/" DESTINATION "${WORK}")
execute_process(COMMAND "${TOOL}" "${WORK}/" RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tavrona-wheelchair failed (${status})")
endif()
foreach(name whtv5m whtv50m whtv95m whtv5f whtv50f whtv95f)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${DATA}/${name}.___"
                  "${WORK}/${name}.___" RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "data/${name}.___ differs from the generator's output: "
                        "run build/tools/wheelchair/tavrona-wheelchair data/")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
