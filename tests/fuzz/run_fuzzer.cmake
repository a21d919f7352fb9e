# Runs a fuzz target under CTest: cmake -DFUZZER=path, then either
#   -DSEEDS=dir -DWORK=dir -DSECONDS=n  fuzz for n seconds from a fresh copy of the seeds in
#                                       WORK/seeds/<target>; the inputs it adds go to
#                                       WORK/new/<target>, emptied at the next run, and
#                                       what it finds to WORK/findings/<target>-...
#   -DBYTES=b1,b2 -DWORK=dir            run on each byte (its code) as the only input of
#                                       a corpus, that is as the first input of the process
get_filename_component(target ${FUZZER} NAME)

function(run_fuzzer)
    execute_process(COMMAND ${FUZZER} ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${target} ${ARGN}: ${result}")
    endif()
endfunction()

if(DEFINED BYTES)
    string(REPLACE "," ";" BYTES ${BYTES})
    foreach(byte ${BYTES})
        set(corpus ${WORK}/byte-${byte})
        file(REMOVE_RECURSE ${corpus})
        string(ASCII ${byte} text)
        file(WRITE ${corpus}/input ${text})
        run_fuzzer(-runs=0 -artifact_prefix=${WORK}/ ${corpus})
    endforeach()
    return()
endif()

set(seeds ${WORK}/seeds/${target})
set(new ${WORK}/new/${target})
file(REMOVE_RECURSE ${seeds} ${new})
file(COPY ${SEEDS}/ DESTINATION ${seeds})
file(MAKE_DIRECTORY ${new} ${WORK}/findings)
# libFuzzer writes what it finds into the first folder and only reads the others.
run_fuzzer(-max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=4096
           -artifact_prefix=${WORK}/findings/${target}- ${new} ${seeds})
