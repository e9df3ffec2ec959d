# Makes the Debian package from the build, as cpack -G DEB does, and checks the tree it installs
# and what it asks of the system; lintian finds nothing to warn of.
# Arguments: BUILD_DIR, OUT, CPACK, DPKG_DEB, LINTIAN, VERSION, ID, PROGRAM_DIR.
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

execute_process(COMMAND ${DPKG_DEB} --field ${packages} Package Version Depends Recommends Section
                RESULT_VARIABLE status OUTPUT_VARIABLE fields)
foreach(field "Package: quellorin\n" "Version: ${VERSION}\n" "Section: education\n" "libqt6widgets6"
              "libqt6gui6" "libsqlite3-0" "libcups2" "qt6-wayland")
  string(FIND "${fields}" "${field}" at)
  if(status OR at EQUAL -1)
    fail("the package's control fields lack ${field}: ${fields}")
  endif()
endforeach()
# The X11 platform plugin comes with libqt6gui6; qt6-qpa-plugins holds only plugins the program
# does not use.
string(FIND "${fields}" "qt6-qpa-plugins" at)
if(NOT at EQUAL -1)
  fail("the package asks for qt6-qpa-plugins: ${fields}")
endif()

execute_process(COMMAND ${DPKG_DEB} --contents ${packages} RESULT_VARIABLE status OUTPUT_VARIABLE contents)
set(expected
    "./usr/bin/quellorin -> ../${PROGRAM_DIR}/quellorin\n"
    " ./usr/${PROGRAM_DIR}/quellorin\n"
    " ./usr/${PROGRAM_DIR}/QuellorinData.mdb\n"
    " ./usr/${PROGRAM_DIR}/Data Tables.txt\n"
    " ./usr/share/applications/${ID}.desktop\n"
    " ./usr/share/metainfo/${ID}.metainfo.xml\n"
    " ./usr/share/icons/hicolor/scalable/apps/${ID}.svg\n"
    " ./usr/share/icons/hicolor/64x64/apps/${ID}.png\n"
    " ./usr/share/man/man1/quellorin.1.gz\n"
    " ./usr/share/doc/quellorin/copyright\n"
    " ./usr/share/doc/quellorin/changelog.gz\n")
foreach(entry IN LISTS expected)
  string(FIND "${contents}" "${entry}" at)
  if(status OR at EQUAL -1)
    fail("the package does not hold ${entry}")
  endif()
endforeach()

# Debian's own checks: no error and no warning (remarks for information only are allowed).
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${packages} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE errors)
if(status OR out MATCHES "(^|\n)[EW]: ")
  fail("lintian ended with ${status}: ${out} ${errors}")
endif()
