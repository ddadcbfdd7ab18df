# cmake -Dlinked=a,b,c -Dforbidden=x -P forbiddenlink.cmake: fails when x is among the libraries.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "," ";" linked "${linked}")
if(forbidden IN_LIST linked)
    message(FATAL_ERROR "links ${forbidden}: ${linked}")
endif()
message(STATUS "links no ${forbidden}: ${linked}")
