# Fails when a file of src/ includes a header of a folder above its own. The handlers of every subsystem stand
# on the controls and the state record; start-up and the one input path stand above every handler; the
# artwork and the shell on top. A folder may include its own headers and those of the folders before it.
#   cmake -DSRC=<the src folder> -P IncludeOrder.cmake
cmake_minimum_required(VERSION 3.25)
set(order state window audio devices routing tick input assets shell)
# Headers that still stand too high for who includes them, each a known debt to pay off, not a precedent; one
# paid off must leave the list, so that it cannot come back unnoticed.
set(known_debts
    "window/Catalogue.cpp -> devices/Projectors.h"
    "window/Choices.cpp -> devices/Projectors.h"
    "window/Groups.cpp -> devices/Projectors.h")

get_filename_component(SRC ${SRC} ABSOLUTE)
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
if(NOT files)
  message(FATAL_ERROR "no sources under ${SRC}")
endif()
set(wrong "")
foreach(file ${files})
  string(REGEX MATCH "^[^/]+" folder ${file})
  list(FIND order ${folder} rank)
  if(rank LESS 0)
    string(APPEND wrong "\n  ${file}: its folder is not in the order")
    continue()
  endif()
  file(STRINGS ${SRC}/${file} lines REGEX "^#include \"[a-z]+/")
  foreach(line ${lines})
    string(REGEX MATCH "\"([a-z]+)/([^\"]+)\"" _ ${line})
    set(to ${CMAKE_MATCH_1})
    list(FIND order ${to} to_rank)
    set(edge "${file} -> ${to}/${CMAKE_MATCH_2}")
    if(edge IN_LIST known_debts)
      list(REMOVE_ITEM known_debts "${edge}")
    elseif(to_rank GREATER rank)
      string(APPEND wrong "\n  ${file} includes ${to}/${CMAKE_MATCH_2}")
    endif()
  endforeach()
endforeach()
foreach(debt ${known_debts})
  string(APPEND wrong "\n  paid off, drop it from the known debts: ${debt}")
endforeach()
if(wrong)
  message(FATAL_ERROR "includes against the order ${order}:${wrong}")
endif()
