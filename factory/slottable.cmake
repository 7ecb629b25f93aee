# Writes factoryslots.h from IUIFactory.h, the one place where the factory's
# slot order is written by hand. The factory's declarations and definitions and
# the host kit's slot names and dispatch expand the lists it defines, so they
# follow the contract by construction.
#
#   cmake -DCONTRACT=<IUIFactory.h> -DOUTPUT=<factoryslots.h> -P slottable.cmake

cmake_policy(VERSION 3.18)

file(STRINGS ${CONTRACT} lines REGEX "^[ \t]*virtual ")
set(info_slots "")
set(form_slots "")
set(expected 0)
foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*virtual const char \\*([A-Za-z0-9_]+)\\(\\) = 0; // slot ([0-9]+)$")
        set(kind info_slots)
        set(entry "    X(${CMAKE_MATCH_2}, ${CMAKE_MATCH_1})")
        set(slot ${CMAKE_MATCH_2})
    elseif(line MATCHES "^[ \t]*virtual I([A-Za-z0-9_]+) \\*(create[A-Za-z0-9_]+)\\(\\) = 0; // slot ([0-9]+)$")
        set(kind form_slots)
        set(entry "    X(${CMAKE_MATCH_3}, ${CMAKE_MATCH_2}, ${CMAKE_MATCH_1})")
        set(slot ${CMAKE_MATCH_3})
    else()
        message(FATAL_ERROR "${CONTRACT}: not a factory slot as this generator reads them:\n${line}")
    endif()
    if(NOT slot EQUAL expected)
        message(FATAL_ERROR "${CONTRACT}: the slot comment says ${slot}, but the operation is slot ${expected}:\n${line}")
    endif()
    if(kind STREQUAL "form_slots" AND NOT DEFINED first_form)
        set(first_form ${slot})
    elseif(kind STREQUAL "info_slots" AND DEFINED first_form)
        message(FATAL_ERROR "${CONTRACT}: slot ${slot} follows the creation operations:\n${line}")
    endif()
    string(APPEND ${kind} " \\\n${entry}")
    math(EXPR expected "${expected} + 1")
endforeach()
if(NOT DEFINED first_form)
    message(FATAL_ERROR "${CONTRACT}: no creation operation found")
endif()
math(EXPR last_form "${expected} - 1")

set(text "// Generated from IUIFactory.h by slottable.cmake. Do not edit: change the
// contract, and this follows.
#pragma once

// X(slot, operation) for each operation before the creation operations.
#define VEXARO_FACTORY_INFO_SLOTS(X)${info_slots}

// X(slot, operation, Form) for each creation operation, in slot order; the
// operation returns an I<Form>.
#define VEXARO_FACTORY_FORM_SLOTS(X)${form_slots}

#define VEXARO_FACTORY_FIRST_FORM_SLOT ${first_form}
#define VEXARO_FACTORY_LAST_FORM_SLOT ${last_form}
")
# Rewritten only when it changes, so that a touched contract rebuilds nothing.
if(EXISTS ${OUTPUT})
    file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL text)
    file(WRITE ${OUTPUT} "${text}")
endif()
