# cmake -DHOST_DIST=... -DDIST=... -DDEPS_BIN=... -DUNIFONT=... -DUNIFONT_COPYRIGHT=...
#       -DGAME_COPYRIGHT=... -DREADME=... -P GameFolder.cmake
# Fills the Windows game folder DIST from the native game folder HOST_DIST: the data, the DLLs
# of DEPS_BIN, the font, the licences and the player's README. Files that did not change are left
# alone.
foreach(item IN ITEMS Board Graphic Music Sound Help Cursor.cur tpz.bmp)
    file(COPY ${HOST_DIST}/${item} DESTINATION ${DIST})
endforeach()

# The help links point into the game folder relative to it.
file(READ ${HOST_DIST}/set.ini settings)
string(REGEX REPLACE "file://[^\n]*/Help/index.html" "Help/index.html" settings "${settings}")
file(CONFIGURE OUTPUT ${DIST}/set.ini CONTENT "${settings}" @ONLY NEWLINE_STYLE CRLF)

file(GLOB dlls ${DEPS_BIN}/*.dll)
file(COPY ${dlls} DESTINATION ${DIST})

file(MAKE_DIRECTORY ${DIST}/Fonts)
file(COPY_FILE ${UNIFONT} ${DIST}/Fonts/unifont.otf ONLY_IF_DIFFERENT)
file(COPY_FILE ${UNIFONT_COPYRIGHT} ${DIST}/Fonts/unifont-copyright.txt ONLY_IF_DIFFERENT)
get_filename_component(licenses ${DEPS_BIN}/../share/licenses ABSOLUTE)
file(COPY ${licenses}/ DESTINATION ${DIST}/Licenses)
file(MAKE_DIRECTORY ${DIST}/Licenses/tovak-marudo)
file(COPY_FILE ${GAME_COPYRIGHT} ${DIST}/Licenses/tovak-marudo/copyright.txt ONLY_IF_DIFFERENT)
file(COPY_FILE ${README} ${DIST}/README.txt ONLY_IF_DIFFERENT)
