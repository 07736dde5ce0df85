# Checks that the Windows executable is a windowed program (no console window
# opens with it), hardened (address space layout randomisation, no execution
# of data, a stack protector that needs no DLL of its own) and carries its
# version and every image of its icon. Run
# with -DEXE=<program.exe> -DOBJCOPY=<objcopy> -DOBJDUMP=<objdump>
# -DPRODUCT=<name> -DVERSION=<version> -DIMAGES=<icon PNGs, |-separated>
# -DOUT=<scratch file>.
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
if(NOT headers MATCHES "Subsystem[ \t]+0+2[ \t]")
    message(FATAL_ERROR "${EXE} is not a windowed program: a console window would open with it")
endif()
foreach(flag HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT)
    if(NOT headers MATCHES "\n[ \t]+${flag}\n")
        message(FATAL_ERROR "${EXE} is not marked ${flag}")
    endif()
endforeach()
if(headers MATCHES "DLL Name: libssp")
    message(FATAL_ERROR "${EXE} needs mingw-w64's libssp DLL")
endif()
execute_process(COMMAND ${OBJDUMP} -t ${EXE} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
if(NOT symbols MATCHES "__stack_chk_fail")
    message(FATAL_ERROR "${EXE} has no stack protector")
endif()
execute_process(COMMAND ${OBJCOPY} -O binary -j .rsrc ${EXE} ${OUT} COMMAND_ERROR_IS_FATAL ANY)
file(READ ${OUT} resources HEX)
if(resources STREQUAL "")
    message(FATAL_ERROR "${EXE} has no resources")
endif()

# The version block's strings are UTF-16.
function(utf16_hex text out)
    string(HEX "${text}" hex)
    string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
    set(${out} "${hex}" PARENT_SCOPE)
endfunction()
foreach(text "ProductName" "${PRODUCT}" "ProductVersion" "${VERSION}")
    utf16_hex("${text}" hex)
    string(FIND "${resources}" "${hex}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${EXE}: the version resource lacks \"${text}\"")
    endif()
endforeach()

# The icon keeps each image as it is, bytes and all.
string(REPLACE "|" ";" images "${IMAGES}")
foreach(image IN LISTS images)
    file(READ ${image} bytes HEX)
    string(FIND "${resources}" "${bytes}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${EXE}: the icon lacks ${image}")
    endif()
endforeach()
list(LENGTH images count)
message(STATUS "${EXE}: windowed, hardened, version ${VERSION}, ${count} icon images")
