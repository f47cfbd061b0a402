# Writes a C++ source that holds files as std::string_view constants.
#   cmake -DOUTPUT=FILE.cpp -DHEADER=dir/name.h -DNAMESPACE=ns "-DFILES=name=path;..." -P embed-files.cmake
# The bytes are written as numbers, so no file content can end a literal early.
file(WRITE ${OUTPUT}.part "// Made by cmake/embed-files.cmake; do not edit.\n#include \"${HEADER}\"\n\nnamespace ${NAMESPACE} {\n")
foreach(entry IN LISTS FILES)
  string(FIND "${entry}" "=" equals)
  string(SUBSTRING "${entry}" 0 ${equals} name)
  math(EXPR start "${equals} + 1")
  string(SUBSTRING "${entry}" ${start} -1 path)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  file(APPEND ${OUTPUT}.part
    "\nnamespace {\nconstexpr char ${name}Bytes[] = {${bytes}0};\n}  // namespace\n"
    "const std::string_view ${name}(${name}Bytes, ${size});\n")
endforeach()
file(APPEND ${OUTPUT}.part "\n}  // namespace ${NAMESPACE}\n")
file(RENAME ${OUTPUT}.part ${OUTPUT})
