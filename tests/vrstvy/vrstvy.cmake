# The layers of the program, checked on their sources: a file of the data layer includes only data
# headers, a file of the logic layer only data and logic headers, a file of the pictures no window's
# header, and no window of practice/, test/ or info/ includes the main window. Run by CTest:
#   cmake -DZDROJ=<src> -DDATA=<files> -DLOGIKA=<files> -DKRESBY=<files> -DOKNA=<files> -P vrstvy.cmake
# (the file lists separated by "|").

cmake_minimum_required(VERSION 3.25)

set(vrstvy DATA LOGIKA KRESBY OKNA)
foreach(vrstva ${vrstvy})
    string(REPLACE "|" ";" ${vrstva} "${${vrstva}}")
    foreach(soubor ${${vrstva}})
        file(RELATIVE_PATH relativni "${ZDROJ}" "${soubor}")
        set("vrstva_${relativni}" ${vrstva})
    endforeach()
endforeach()

set(povoleno_DATA DATA)
set(povoleno_LOGIKA DATA LOGIKA)
set(povoleno_KRESBY DATA LOGIKA KRESBY)

set(chyby "")
foreach(vrstva ${vrstvy})
    foreach(soubor ${${vrstva}})
        file(RELATIVE_PATH relativni "${ZDROJ}" "${soubor}")
        file(STRINGS "${soubor}" radky REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(radek ${radky})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" hlavicka "${radek}")
            if(DEFINED povoleno_${vrstva} AND DEFINED "vrstva_${hlavicka}")
                list(FIND povoleno_${vrstva} "${vrstva_${hlavicka}}" kde)
                if(kde EQUAL -1)
                    string(APPEND chyby "\n  ${relativni} (${vrstva}) includes ${hlavicka} (${vrstva_${hlavicka}})")
                endif()
            endif()
            if(vrstva STREQUAL "OKNA" AND relativni MATCHES "^(practice|test|info)/" AND hlavicka STREQUAL "app/hlavniformular.h")
                string(APPEND chyby "\n  ${relativni} includes the main window ${hlavicka}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(chyby)
    message(FATAL_ERROR "Includes across the layers:${chyby}")
endif()
list(LENGTH DATA d)
list(LENGTH LOGIKA l)
list(LENGTH OKNA o)
message(STATUS "Layers kept: ${d} data, ${l} logic and ${o} window files")
