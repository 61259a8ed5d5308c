# The package's changelog and the software-centre record both name the project's version
# as their newest entry, so a new version cannot ship with either left behind.
# cmake -DVERSION=... -DCHANGELOG=... -DMETAINFO=... -P check_versions.cmake
file(STRINGS ${CHANGELOG} top LIMIT_COUNT 1)
string(REGEX MATCH "^corvix \\(([^)]+)\\)" _ "${top}")
set(changelog_version "${CMAKE_MATCH_1}")
file(READ ${METAINFO} metainfo)
string(REGEX MATCH "<release version=\"([^\"]+)\"" _ "${metainfo}")
set(metainfo_version "${CMAKE_MATCH_1}")
if(NOT changelog_version STREQUAL VERSION OR NOT metainfo_version STREQUAL VERSION)
  message(FATAL_ERROR "version ${VERSION}, but the changelog's newest is '${changelog_version}' "
                      "and the metainfo's newest release '${metainfo_version}'")
endif()
