# Installs the built program into a fresh folder and checks what a desktop finds there: the
# program answering without a display, the desktop entry, the graph file's MIME type, the
# icons, the AppStream metainfo and the man page.
#
#   cmake -DBINARY_DIR=<build> -DPREFIX=<empty folder> -DVERSION=<x.y.z> -P InstalledTreeCheck.cmake

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(faults "")
macro(fault text)
  string(APPEND faults "  ${text}\n")
endmacro()

set(share ${PREFIX}/share)
foreach(path
    bin/quorvel
    share/applications/org.quorvel.Quorvel.desktop
    share/mime/packages/org.quorvel.Quorvel.xml
    share/metainfo/org.quorvel.Quorvel.metainfo.xml
    share/man/man1/quorvel.1
    share/icons/hicolor/scalable/apps/org.quorvel.Quorvel.svg
    share/icons/hicolor/16x16/apps/org.quorvel.Quorvel.png
    share/icons/hicolor/48x48/apps/org.quorvel.Quorvel.png
    share/icons/hicolor/256x256/apps/org.quorvel.Quorvel.png)
  if(NOT EXISTS ${PREFIX}/${path})
    fault("missing ${path}")
  endif()
endforeach()

# The program itself, with no display at all.
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY ${PREFIX}/bin/quorvel --version
                OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version STREQUAL "quorvel ${VERSION}\n")
  fault("--version answered '${version}' (${status})")
endif()
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY ${PREFIX}/bin/quorvel --help
                OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT help MATCHES "--export")
  fault("--help answered '${help}' (${status})")
endif()

# The desktop entry opens graph files.
file(READ ${share}/applications/org.quorvel.Quorvel.desktop desktop)
foreach(line "Exec=quorvel %f" "MimeType=application/x-quorvel-graph;"
        "Categories=Education;Science;Math;" "Comment[nl]=")
  string(FIND "${desktop}" "${line}" at)
  if(at EQUAL -1)
    fault("the desktop entry lacks '${line}'")
  endif()
endforeach()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${share}/applications/org.quorvel.Quorvel.desktop
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  fault("desktop-file-validate: ${output}")
endif()

# The MIME type: well-formed, with the glob and the magic of the signature.
find_program(XMLLINT xmllint REQUIRED)
execute_process(COMMAND ${XMLLINT} --noout ${share}/mime/packages/org.quorvel.Quorvel.xml
                RESULT_VARIABLE status ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  fault("the MIME XML is not well-formed: ${output}")
endif()
file(READ ${share}/mime/packages/org.quorvel.Quorvel.xml mime)
if(NOT mime MATCHES "<glob pattern=\"\\*\\.qvl\"/>" OR NOT mime MATCHES "value=\"\\\\x04qvlf\"")
  fault("the MIME XML lacks the glob or the magic")
endif()

find_program(APPSTREAMCLI appstreamcli REQUIRED)
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
                        ${share}/metainfo/org.quorvel.Quorvel.metainfo.xml
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  fault("appstreamcli: ${output}")
endif()

file(READ ${share}/man/man1/quorvel.1 man)
if(NOT man MATCHES "\\.TH QUORVEL 1" OR NOT man MATCHES "export")
  fault("the man page is not the program's")
endif()

file(REMOVE_RECURSE ${PREFIX})
if(faults)
  message(FATAL_ERROR "The installed tree:\n${faults}")
endif()
message(STATUS "The installed tree holds what a desktop needs")
