# Fails when a file includes a header by a relative path ("../main/frmMain.h"):
# the compiler finds such a header beside the including file, past the
# include roots that keep the house one-way. Run with -DSOURCES=<folder or
# file;...>.
foreach(source IN LISTS SOURCES)
    if(IS_DIRECTORY ${source})
        file(GLOB_RECURSE files ${source}/*.cpp ${source}/*.h)
    else()
        set(files ${source})
    endif()
    foreach(file IN LISTS files)
        file(STRINGS ${file} relative REGEX "^[ \t]*#[ \t]*include[ \t]*\"\\.")
        if(relative)
            message(FATAL_ERROR "include by a relative path in ${file}: ${relative}")
        endif()
    endforeach()
endforeach()
