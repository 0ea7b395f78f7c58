# cmake -DSTAGE=... -DPROGRAM=... -DSTRIP=... -DLISTS=... -DHOST_DIST=... -DDEPS_BIN=...
#       -DUNIFONT=... -DUNIFONT_COPYRIGHT=... -DGAME_COPYRIGHT=... -DREADME=... -P Stage.cmake
# Makes the game folder the zip and the installer ship, STAGE, afresh: what GameFolder.cmake
# puts in a game folder and the stripped program, and never a player's file. Writes into LISTS
# the folder's files for the zip (sorted, under the folder's own name) and, for the installer,
# the uninstaller's deletions and the installed size.
file(REMOVE_RECURSE ${STAGE})
set(DIST ${STAGE})
include(${CMAKE_CURRENT_LIST_DIR}/GameFolder.cmake)

execute_process(COMMAND ${STRIP} -o ${STAGE}/tovak-marudo.exe ${PROGRAM} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${STRIP} could not strip ${PROGRAM}")
endif()

file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
get_filename_component(top ${STAGE} NAME)
set(zip_list "")
set(deletions "")
set(folders "")
set(bytes 0)
foreach(file IN LISTS files)
    string(APPEND zip_list "${top}/${file}\n")
    string(REPLACE "/" "\\" windows_path "${file}")
    string(APPEND deletions "Delete \"$INSTDIR\\${windows_path}\"\n")
    file(SIZE ${STAGE}/${file} size)
    math(EXPR bytes "${bytes} + ${size}")
    get_filename_component(folder ${file} DIRECTORY)
    while(folder)
        list(APPEND folders ${folder})
        get_filename_component(folder ${folder} DIRECTORY)
    endwhile()
endforeach()
# Every folder after the folders inside it.
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" windows_path "${folder}")
    string(APPEND deletions "RMDir \"$INSTDIR\\${windows_path}\"\n")
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")

file(WRITE ${LISTS}/zip-files.txt "${zip_list}")
file(WRITE ${LISTS}/uninstall-files.nsh "${deletions}")
file(WRITE ${LISTS}/installed-size.nsh "!define INSTALLED_KB ${kilobytes}\n")
