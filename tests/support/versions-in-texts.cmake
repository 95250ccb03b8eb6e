# Every version of Quillon that the README and the developer documents name, as in
# quillon_1.10_amd64.deb or Quillon 1.10, is the one project() declares.
# Usage: cmake -DVERSION=1.10 -DSOURCE_DIR=... -P versions-in-texts.cmake
file(GLOB texts ${SOURCE_DIR}/README.md ${SOURCE_DIR}/docs/*.md)
foreach(text ${texts})
    file(READ ${text} content)
    string(REGEX MATCHALL "[Qq]uillon[-_ ][0-9]+(\\.[0-9]+)+" names "${content}")
    list(REMOVE_DUPLICATES names)
    foreach(name ${names})
        string(REGEX REPLACE "^[Qq]uillon[-_ ]" "" named_version ${name})
        if(NOT named_version STREQUAL VERSION)
            message(SEND_ERROR "${text} names ${name}, but the version is ${VERSION}")
        endif()
    endforeach()
endforeach()
