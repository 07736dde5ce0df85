# Run by CPack once it has made the Debian package: the same files packed
# again by dpkg-deb, which Debian builds its own packages with (sorted,
# owned by root, dated by SOURCE_DATE_EPOCH). CPack's own package differs
# with the builder's umask (the modes of its ar members) and file system
# (Installed-Size counts each folder's size on disk).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/repack)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND chmod -R u+rwX,go=rX ${tree} COMMAND_ERROR_IS_FATAL ANY)
    # As dpkg-gencontrol counts it: each file in whole KiB, each folder one.
    file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${tree} ${tree}/*)
    set(size 0)
    foreach(entry IN LISTS entries)
        if(entry MATCHES "^DEBIAN")
            continue()
        elseif(IS_DIRECTORY ${tree}/${entry})
            math(EXPR size "${size} + 1")
        else()
            file(SIZE ${tree}/${entry} bytes)
            math(EXPR size "${size} + (${bytes} + 1023) / 1024")
        endif()
    endforeach()
    file(READ ${tree}/DEBIAN/control control)
    string(REGEX REPLACE "Installed-Size: [0-9]+" "Installed-Size: ${size}" control "${control}")
    string(STRIP "${control}" control)
    file(WRITE ${tree}/DEBIAN/control "${control}\n")
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${package} OUTPUT_QUIET
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
