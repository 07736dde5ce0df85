# Turns the number profile text files into a C++ source with UTF-16 literals,
# so the engine carries its texts without reading files at run time.
# Inputs: TEXT_DIR (folder with number-profile-1.txt to -9.txt), OUTPUT.
set(body "// Generated from ${TEXT_DIR}; edit the text files instead.\n")
string(APPEND body "#include \"engine/ProfileTexts.h\"\n\nnamespace velto {\n\n")
string(APPEND body "const std::array<std::u16string_view, 9> ProfileTexts = {\n")
foreach(n RANGE 1 9)
    file(READ "${TEXT_DIR}/number-profile-${n}.txt" text)
    string(FIND "${text}" ")velto\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "number-profile-${n}.txt holds the raw-string delimiter")
    endif()
    string(APPEND body "    uR\"velto(${text})velto\",\n")
endforeach()
string(APPEND body "};\n\n} // namespace velto\n")
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${body}" @ONLY)
