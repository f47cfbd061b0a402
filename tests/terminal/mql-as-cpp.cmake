# Makes a terminal program (.mq4, .mq5) compilable as C++ against the terminal model:
# each `#property` line, which C++ cannot take, becomes an empty line, so that the lines
# keep their numbers; nothing else changes.
#   cmake -DSOURCE=FILE.mq5 -DOUTPUT=FILE.h -P mql-as-cpp.cmake
file(READ ${SOURCE} text)
string(REGEX REPLACE "(^|\n)#property[^\n]*" "\\1" text "${text}")
file(WRITE ${OUTPUT} "#line 1 \"${SOURCE}\"\n${text}")
