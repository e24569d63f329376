# cmake -DINPUT=file -DOUTPUT=file.cpp -DFUNCTION=Name -DHEADER=path.h -P EmbedText.cmake
# Writes a source file whose function returns the input file's bytes.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
# 16 bytes a line, every byte as a \xNN escape inside adjacent string literals.
string(REGEX REPLACE "(................................)" "\\1\n" lines "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${lines}")
string(REPLACE "\n" "\"\n    \"" literal "${escaped}")
file(WRITE "${OUTPUT}.new"
"// Generated from ${INPUT}; do not edit.
#include \"${HEADER}\"

namespace {
constexpr char kBytes[] =
    \"${literal}\";
}  // namespace

std::string_view ${FUNCTION}() {
    return {kBytes, ${size}};
}
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
