# Each floor of the house is a library whose headers are included with their
# folder ("platform/MessageBox.h"). The folder is reachable through an include
# root of the library's own that holds only that folder, so a file can include
# the headers of exactly the libraries it links: a forbidden include does not
# compile.
function(velto_floor target folder)
    set(root ${PROJECT_BINARY_DIR}/floors/${target})
    cmake_path(GET folder PARENT_PATH parent)
    file(MAKE_DIRECTORY ${root}/${parent})
    if(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
