# Builds each check target and passes only if every one fails for want of
# its forbidden header. Run with -DBUILD=<build folder> -DCHECKS=<target=header;...>.
foreach(check IN LISTS CHECKS)
    string(REPLACE "=" ";" parts "${check}")
    list(GET parts 0 target)
    list(GET parts 1 header)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target ${target}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    string(FIND "${output}" "${header}: No such file" found)
    if(status EQUAL 0 OR found EQUAL -1)
        message(FATAL_ERROR "${target}: ${header} did not fail as a forbidden include:\n${output}")
    endif()
    message(STATUS "${target}: ${header} refused")
endforeach()
