# Makes the Debian package from the build, as cpack -G DEB does, and checks the tree it installs
# and what it asks of the system.
# Arguments: BUILD_DIR, OUT, CPACK, DPKG_DEB, VERSION, ID, PROGRAM_DIR.
function(fail what)
  message(FATAL_ERROR "${what}")
endfunction()

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
                WORKING_DIRECTORY ${OUT} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
if(status)
  fail("cpack ended with ${status}: ${out} ${errors}")
endif()
file(GLOB packages ${OUT}/quellorin_${VERSION}_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  fail("expected one quellorin_${VERSION}_*.deb, found ${count}")
endif()

execute_process(COMMAND ${DPKG_DEB} --field ${packages} Package Version Depends Section
                RESULT_VARIABLE status OUTPUT_VARIABLE fields)
foreach(field "Package: quellorin\n" "Version: ${VERSION}\n" "Section: education\n" "qt6-qpa-plugins"
              "libqt6widgets6" "libsqlite3-0" "libcups2")
  string(FIND "${fields}" "${field}" at)
  if(status OR at EQUAL -1)
    fail("the package's control fields lack ${field}: ${fields}")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} --contents ${packages} RESULT_VARIABLE status OUTPUT_VARIABLE contents)
set(expected
    "./usr/bin/quellorin -> ../${PROGRAM_DIR}/quellorin\n"
    " ./usr/${PROGRAM_DIR}/quellorin\n"
    " ./usr/${PROGRAM_DIR}/QuellorinData.mdb\n"
    " ./usr/${PROGRAM_DIR}/Data Tables.txt\n"
    " ./usr/share/applications/${ID}.desktop\n"
    " ./usr/share/metainfo/${ID}.metainfo.xml\n"
    " ./usr/share/icons/hicolor/scalable/apps/${ID}.svg\n"
    " ./usr/share/icons/hicolor/64x64/apps/${ID}.png\n")
foreach(entry IN LISTS expected)
  string(FIND "${contents}" "${entry}" at)
  if(status OR at EQUAL -1)
    fail("the package does not hold ${entry}")
  endif()
endforeach()
