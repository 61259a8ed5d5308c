# Installs the build into an empty prefix and checks that it holds every file of the
# desktop application and that the installed program runs.
# cmake -DBUILD_DIR=... -DPREFIX=... -DSAMPLE=FILE.fxg -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
  bin/corvix
  share/corvix/corvix.html
  share/applications/org.corvix.Corvix.desktop
  share/metainfo/org.corvix.Corvix.metainfo.xml
  share/mime/packages/corvix.xml
  share/icons/hicolor/scalable/apps/org.corvix.Corvix.svg
  share/man/man1/corvix.1.gz
  share/doc/corvix/copyright
  share/doc/corvix/changelog.gz)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/org.corvix.Corvix.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

execute_process(COMMAND ${PREFIX}/bin/corvix --check ${SAMPLE}
                OUTPUT_VARIABLE verdict RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT verdict MATCHES ": ok blocks=")
  message(FATAL_ERROR "the installed corvix --check said (${status}): ${verdict}")
endif()
file(REMOVE_RECURSE ${PREFIX})
