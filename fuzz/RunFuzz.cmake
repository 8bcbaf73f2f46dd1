# Runs one fuzzer over a fresh copy of its seed corpus, so the sources stay as committed.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB seeds ${CORPUS}/*)
file(COPY ${seeds} DESTINATION ${WORK})
execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -max_total_time=300 -timeout=10 -max_len=4096
          -print_final_stats=1 ${WORK}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a failure (exit ${rc})")
endif()
