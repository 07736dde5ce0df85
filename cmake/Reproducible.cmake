# The same source makes the same bytes, whatever the clone's folder, the
# time, the time zone or the umask of the build: what Debian's
# reproducible-builds work asks of every package.
#
# VELTO_SOURCE_DATE_EPOCH is the time of the commit built: git's, or the one
# `git archive` writes into source-date.txt. Every tool that would stamp the
# time of the build (rcc, mingw ld and strip, CPack) is given it instead.
file(READ ${CMAKE_CURRENT_LIST_DIR}/source-date.txt VELTO_SOURCE_DATE_EPOCH)
string(STRIP "${VELTO_SOURCE_DATE_EPOCH}" VELTO_SOURCE_DATE_EPOCH)
if(NOT VELTO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE VELTO_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT VELTO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "No commit date for this source: build from a git clone or a `git archive` of one")
endif()
set(velto_dated "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VELTO_SOURCE_DATE_EPOCH}")
# rcc stores each embedded file's time; mingw's ld stamps the program.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM "${velto_dated}")
set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "${velto_dated}")

# Paths in the debug information and in __FILE__ are relative to the source,
# as with Debian's own fixfilepath: the build-id, which survives stripping,
# is computed over them. The build folder is "build" whatever its name, so
# that a build with tests makes the same program as one without.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    # Of two that match, the compiler takes the last.
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()

# Folders made by an install are 0755 under any umask, as files are 0644
# and programs 0755 already.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
