# Run by CPack once it has made the packages: the zip made again from the
# staged files, in sorted order, each dated the commit, with no owner or
# time zone of the builder's in it (zip -X, in UTC). CPack's own takes the
# files in the order and with the times that the staging file system gives.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.zip$")
        continue()
    endif()
    file(GLOB_RECURSE members LIST_DIRECTORIES false RELATIVE ${CPACK_TOPLEVEL_DIRECTORY}
         ${CPACK_TEMPORARY_DIRECTORY}/*)
    list(TRANSFORM members PREPEND ${CPACK_TOPLEVEL_DIRECTORY}/ OUTPUT_VARIABLE paths)
    execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} ${paths} COMMAND_ERROR_IS_FATAL ANY)
    set(ENV{TZ} UTC)
    file(REMOVE ${package})
    execute_process(COMMAND zip -X -D -9 -q ${package} ${members}
                    WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
