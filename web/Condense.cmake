# Copies the page's style without its comments and indentation, which only its readers need:
# every visitor's first view fetches it. Run in CMake's script mode:
#   cmake -DFROM=style.css -DTO=DIR/style.css -P Condense.cmake
cmake_minimum_required(VERSION 3.22)

file(READ ${FROM} text)
set(text "\n${text}")
string(REGEX REPLACE "/[*]([^*]|[*]+[^*/])*[*]+/" "" text "${text}")
string(REGEX REPLACE "\n[ \n]+" "\n" text "${text}")
string(REGEX REPLACE "^\n" "" text "${text}")
file(WRITE ${TO} "${text}")
