# Installs the build under a fresh prefix and checks the tree: every file where the program looks
# for it, the link in bin, and the program itself, started through that link from another folder,
# answering its version and finding its database and every help topic in its own folder.
# Arguments: BUILD_DIR, PREFIX, VERSION, ID, PROGRAM_DIR.
function(fail what)
  message(FATAL_ERROR "${what}")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(status)
  fail("cmake --install ended with ${status}: ${errors}")
endif()

set(expected
    "${PROGRAM_DIR}/quellorin"
    "${PROGRAM_DIR}/QuellorinData.mdb"
    "${PROGRAM_DIR}/Introduction.txt"
    "${PROGRAM_DIR}/Archimede's Principle.txt"
    "share/applications/${ID}.desktop"
    "share/metainfo/${ID}.metainfo.xml"
    "share/icons/hicolor/scalable/apps/${ID}.svg"
    "share/icons/hicolor/48x48/apps/${ID}.png"
    "share/icons/hicolor/256x256/apps/${ID}.png")
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    fail("${file} is not installed")
  endif()
endforeach()
if(NOT IS_SYMLINK ${PREFIX}/bin/quellorin)
  fail("bin/quellorin is not a link")
endif()
file(READ_SYMLINK ${PREFIX}/bin/quellorin target)
if(NOT target STREQUAL "../${PROGRAM_DIR}/quellorin")
  fail("bin/quellorin leads to ${target}")
endif()

# Started through the link, from a folder that holds none of its files.
execute_process(COMMAND ${PREFIX}/bin/quellorin --version WORKING_DIRECTORY ${PREFIX}/share
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors TIMEOUT 60)
if(status OR NOT out STREQUAL "Quellorin ${VERSION}\n")
  fail("quellorin --version ended with ${status} and said \"${out}\" ${errors}")
endif()
execute_process(COMMAND ${PREFIX}/bin/quellorin --self-check WORKING_DIRECTORY ${PREFIX}/share
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors TIMEOUT 120)
message("${out}")
if(status)
  fail("quellorin --self-check ended with ${status}: ${errors}")
endif()
file(REAL_PATH ${PREFIX}/${PROGRAM_DIR} folder)
string(FIND "${out}" "Program folder: ${folder}\n" at)
if(at EQUAL -1)
  fail("the installed program did not take ${folder} for its folder")
endif()
