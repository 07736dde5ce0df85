# Read by CPack once per generator, before it installs and packs.

# Every time CPack, strip and makensis stamp is the commit's, not the clock's.
set(ENV{SOURCE_DATE_EPOCH} ${CPACK_VELTO_SOURCE_DATE_EPOCH})

# The installer is named as Windows users expect a setup program to be.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
