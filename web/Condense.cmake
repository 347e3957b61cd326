# Copies the page's own script or style without its comments and indentation, which only its
# readers need: every visitor's first view fetches them. A script's comments are whole lines of
# "//", a style's are "/* */". Run in CMake's script mode:
#   cmake -DFROM=app.js -DTO=DIR/app.js -P Condense.cmake
cmake_minimum_required(VERSION 3.22)

file(READ ${FROM} text)
set(text "\n${text}")
if(FROM MATCHES "[.]css$")
    string(REGEX REPLACE "/[*]([^*]|[*]+[^*/])*[*]+/" "" text "${text}")
else()
    string(REGEX REPLACE "\n[ ]*//[^\n]*" "" text "${text}")
endif()
string(REGEX REPLACE "\n[ \n]+" "\n" text "${text}")
string(REGEX REPLACE "^\n" "" text "${text}")
file(WRITE ${TO} "${text}")
