# Installs the build into an empty prefix and checks that it holds every file of the
# desktop application and that the installed program runs, loading Qt only for what needs it.
# cmake -DBUILD_DIR=... -DPREFIX=... -DSAMPLE=FILE.fxg "-DLANGUAGES=de;fr" -DQT_SHELL=lib/corvix/FILE.so
#       -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
  bin/corvix
  ${QT_SHELL}
  share/corvix/corvix.html
  share/applications/org.corvix.Corvix.desktop
  share/metainfo/org.corvix.Corvix.metainfo.xml
  share/mime/packages/corvix.xml
  share/thumbnailers/corvix.thumbnailer
  share/icons/hicolor/scalable/apps/org.corvix.Corvix.svg
  share/man/man1/corvix.1.gz
  share/doc/corvix/copyright
  share/doc/corvix/changelog.gz)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/org.corvix.Corvix.png)
endforeach()
foreach(language IN LISTS LANGUAGES)
  list(APPEND expected share/corvix/translations/corvix_${language}.qm)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()
# The software centre tells the user which languages the window speaks.
file(READ ${PREFIX}/share/metainfo/org.corvix.Corvix.metainfo.xml metainfo)
foreach(language en ${LANGUAGES})
  if(NOT metainfo MATCHES "<lang>${language}</lang>")
    message(FATAL_ERROR "the metainfo does not list the language ${language}")
  endif()
endforeach()

# The loader names on stderr every library it loads.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_DEBUG=libs ${PREFIX}/bin/corvix --check ${SAMPLE}
                OUTPUT_VARIABLE verdict RESULT_VARIABLE status ERROR_VARIABLE loaded)
if(NOT status EQUAL 0 OR NOT verdict MATCHES ": ok blocks=")
  message(FATAL_ERROR "the installed corvix --check said (${status}): ${verdict}")
endif()
if(loaded MATCHES "libQt6[A-Za-z]*")
  message(FATAL_ERROR "the installed corvix --check loaded Qt (${CMAKE_MATCH_0})")
endif()
# The file manager runs the thumbnailer's command with the size, the input and the output
# in place of %s, %i and %o, for the type the MIME package declares, and without a display.
file(READ ${PREFIX}/share/thumbnailers/corvix.thumbnailer entry)
string(REGEX MATCH "\nExec=([^\n]*)" unused "${entry}")
set(exec "${CMAKE_MATCH_1}")
string(REGEX MATCH "\nMimeType=([^\n]*)" unused "${entry}")
set(types "${CMAKE_MATCH_1}")
file(READ ${PREFIX}/share/mime/packages/corvix.xml mime_package)
string(REGEX MATCH "mime-type type=\"([^\"]+)\"" unused "${mime_package}")
set(declared ${CMAKE_MATCH_1})
if(NOT types STREQUAL "${declared};")
  message(FATAL_ERROR "the thumbnailer is for '${types}', the MIME package declares ${declared}")
endif()
set(thumbnail ${PREFIX}/thumbnail.png)
string(REGEX REPLACE "^corvix " "" arguments "${exec}")
string(REPLACE "%s" "128" arguments "${arguments}")
string(REPLACE "%i" "${SAMPLE}" arguments "${arguments}")
string(REPLACE "%o" "${thumbnail}" arguments "${arguments}")
separate_arguments(arguments UNIX_COMMAND "${arguments}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${PREFIX}/bin/corvix ${arguments}
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT EXISTS ${thumbnail})
  message(FATAL_ERROR "the thumbnailer's command (${exec}) failed (${status}): ${errors}")
endif()
# PNG: the width and height are the first two words of the header chunk, at byte 16.
file(READ ${thumbnail} size OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING "${size}" 0 8 width)
string(SUBSTRING "${size}" 8 8 height)
if(NOT height STREQUAL "00000080" OR NOT width MATCHES "^000000[0-7][0-9a-f]$")
  message(FATAL_ERROR "the thumbnail is not 128 pixels high and narrower: ${width} x ${height}")
endif()
file(REMOVE_RECURSE ${PREFIX})
