# Installs the built program into a fresh folder and checks what a desktop finds there: the
# program answering without a display, the desktop entry, the graph file's MIME type, the
# icons, the AppStream metainfo, the man page, the copyright and the changelog.
#
#   cmake -DBINARY_DIR=<build> -DSOURCE_DIR=<sources> -DPREFIX=<empty folder> -DVERSION=<x.y.z>
#         -P InstalledTreeCheck.cmake

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
    share/man/man1/quorvel.1.gz
    share/man/nl/man1/quorvel.1.gz
    share/doc/quorvel/copyright
    share/doc/quorvel/changelog.gz
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
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY ${PREFIX}/bin/quorvel -h
                OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT help MATCHES "-h, --help")
  fault("-h answered '${help}' (${status})")
endif()
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY ${PREFIX}/bin/quorvel --help
                OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT help MATCHES "--export")
  fault("--help answered '${help}' (${status})")
endif()

# The desktop entry opens graph files and stands in one place of the menu: one main category.
file(READ ${share}/applications/org.quorvel.Quorvel.desktop desktop)
foreach(line "Exec=quorvel %f" "MimeType=application/x-quorvel-graph;"
        "Categories=Education;Math;" "Comment[nl]=")
  string(FIND "${desktop}" "${line}" at)
  if(at EQUAL -1)
    fault("the desktop entry lacks '${line}'")
  endif()
endforeach()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${share}/applications/org.quorvel.Quorvel.desktop
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
# Its hints count too.
if(NOT status EQUAL 0 OR NOT output STREQUAL "")
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
# --strict: any issue above the pedantic ones fails.
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --strict
                        ${share}/metainfo/org.quorvel.Quorvel.metainfo.xml
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  fault("appstreamcli: ${output}")
endif()

file(READ ${share}/metainfo/org.quorvel.Quorvel.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<project_license>GPL-3.0-or-later</project_license>")
  fault("the metainfo does not name the licence GPL-3.0-or-later")
endif()

# The man page and the changelog are compressed with gzip -9n: the header has no file name
# and no time (flags 00, time 0) and says best compression (extra flags 02).
foreach(gz man/man1/quorvel.1.gz man/nl/man1/quorvel.1.gz doc/quorvel/changelog.gz)
  if(EXISTS ${share}/${gz})
    file(READ ${share}/${gz} header LIMIT 10 HEX)
    if(NOT header STREQUAL "1f8b0800000000000203")
      fault("${gz} is not compressed with gzip -9n (header ${header})")
    endif()
  endif()
endforeach()
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -dc ${share}/man/man1/quorvel.1.gz
                OUTPUT_VARIABLE man RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT man MATCHES "\\.TH QUORVEL 1" OR NOT man MATCHES "export")
  fault("the man page is not the program's")
endif()
execute_process(COMMAND ${GZIP} -dc ${share}/man/nl/man1/quorvel.1.gz
                OUTPUT_VARIABLE man RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT man MATCHES "\\.TH QUORVEL 1" OR NOT man MATCHES "BESCHRIJVING")
  fault("the Dutch man page is not the program's")
endif()
execute_process(COMMAND ${GZIP} -dc ${share}/doc/quorvel/changelog.gz
                OUTPUT_VARIABLE changelog RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT changelog MATCHES "^quorvel \\(${VERSION}\\) ")
  fault("the changelog does not begin with this version, ${VERSION}")
endif()

# The copyright in Debian's machine-readable format: the whole program under the GPL, version
# 3 or later, whose text is the LICENSE of the sources and /usr/share/common-licenses/GPL-3.
if(EXISTS ${share}/doc/quorvel/copyright)
  file(READ ${share}/doc/quorvel/copyright copyright)
  foreach(line "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
          "Upstream-Name: Quorvel" "Source: https://quorvel.org" "Files: *"
          "Copyright: 2026 The Quorvel project" "License: GPL-3.0+"
          " version 3 can be found in \"/usr/share/common-licenses/GPL-3\".")
    string(FIND "\n${copyright}" "\n${line}\n" at)
    if(at EQUAL -1)
      fault("the copyright lacks the line '${line}'")
    endif()
  endforeach()
endif()
file(READ ${SOURCE_DIR}/LICENSE licence LIMIT 200)
if(NOT licence MATCHES "GNU GENERAL PUBLIC LICENSE[ \n]+Version 3, 29 June 2007")
  fault("LICENSE is not the GNU GPL, version 3")
endif()

file(REMOVE_RECURSE ${PREFIX})
if(faults)
  message(FATAL_ERROR "The installed tree:\n${faults}")
endif()
message(STATUS "The installed tree holds what a desktop needs")
