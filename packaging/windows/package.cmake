# cmake -DGAME_DIR=... -DOUT_DIR=... -DPACKAGE_NAME=... [-DMAKENSIS=... -DNSI=...
#       -DICON=... -DVERSION=... -DINSTALLER=...] -P package.cmake
#
# Packs the program's folder GAME_DIR: the files that ship, by name (so a
# stats.hsf left by a test run in the folder never ships), are staged in
# OUT_DIR/stage/Tarvik Solitaire, zipped into OUT_DIR/PACKAGE_NAME.zip, and,
# with MAKENSIS, made into the installer OUT_DIR/INSTALLER by the script NSI.
set(SHIPPED
    tarvik-solitaire.exe
    resources.dll
    tick.wav
    harrow.cur
    hnwse.cur
    instructions.htm
    LiberationSansNarrow-Bold.ttf
    LiberationSansNarrow-Bold-licence.txt)
file(GLOB BACKGROUNDS RELATIVE ${GAME_DIR} ${GAME_DIR}/Backgrounds/*.jpg)
list(SORT BACKGROUNDS)
if(NOT BACKGROUNDS)
    message(FATAL_ERROR "no backgrounds in ${GAME_DIR}/Backgrounds")
endif()
foreach(file IN LISTS SHIPPED)
    if(NOT EXISTS ${GAME_DIR}/${file})
        message(FATAL_ERROR "${GAME_DIR}/${file} is missing")
    endif()
endforeach()

set(FOLDER "Tarvik Solitaire")
set(STAGE ${OUT_DIR}/stage/${FOLDER})
file(REMOVE_RECURSE ${OUT_DIR}/stage)
file(MAKE_DIRECTORY ${STAGE}/Backgrounds)
foreach(file IN LISTS SHIPPED BACKGROUNDS)
    file(COPY_FILE ${GAME_DIR}/${file} ${STAGE}/${file})
endforeach()

# The zip holds the folder itself, so it unpacks into one folder that runs
# in place; its files in the list's order, so two builds list them alike.
set(entries ${SHIPPED} ${BACKGROUNDS})
list(TRANSFORM entries PREPEND "${FOLDER}/")
file(REMOVE ${OUT_DIR}/${PACKAGE_NAME}.zip)
execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT_DIR}/${PACKAGE_NAME}.zip --format=zip -- ${entries}
    WORKING_DIRECTORY ${OUT_DIR}/stage
    COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Made ${OUT_DIR}/${PACKAGE_NAME}.zip")

if(NOT MAKENSIS)
    return()
endif()

# The installer's two file lists, installing and removing the same names.
set(install "!macro INSTALL_PROGRAM_FILES\n  SetOutPath \"$INSTDIR\"\n")
set(remove "!macro REMOVE_PROGRAM_FILES\n")
foreach(file IN LISTS SHIPPED)
    string(APPEND install "  File \"${file}\"\n")
    string(APPEND remove "  Delete \"$INSTDIR\\${file}\"\n")
endforeach()
string(APPEND install "  SetOutPath \"$INSTDIR\\Backgrounds\"\n")
foreach(file IN LISTS BACKGROUNDS)
    string(REPLACE "/" "\\" windows_name ${file})
    string(APPEND install "  File \"${file}\"\n")
    string(APPEND remove "  Delete \"$INSTDIR\\${windows_name}\"\n")
endforeach()
string(APPEND remove "  RMDir \"$INSTDIR\\Backgrounds\"\n")
file(WRITE ${OUT_DIR}/program_files.nsh
     "; Made by package.cmake from the staged folder.\n${install}!macroend\n\n${remove}!macroend\n")

# makensis runs in the staged folder (-NOCD), where the File lines find the
# files by their names.
file(REMOVE ${OUT_DIR}/${INSTALLER})
execute_process(
    COMMAND ${MAKENSIS} -V2 -NOCD -DVERSION=${VERSION} -DOUT_FILE=${OUT_DIR}/${INSTALLER}
            -DFILE_LISTS=${OUT_DIR}/program_files.nsh -DPROGRAM_ICON=${ICON} ${NSI}
    WORKING_DIRECTORY ${STAGE}
    COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Made ${OUT_DIR}/${INSTALLER}")
