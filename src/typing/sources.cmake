# The typing pipeline's own code, which uses no Qt: for the library here, the fuzzers and the
# Windows key check.
set(quillon_typing_sources
    ${CMAKE_CURRENT_LIST_DIR}/keybackend.h
    ${CMAKE_CURRENT_LIST_DIR}/keyinjector.h
    ${CMAKE_CURRENT_LIST_DIR}/keyinjector.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keymapping.h
    ${CMAKE_CURRENT_LIST_DIR}/keymapping.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keysyms.h
    ${CMAKE_CURRENT_LIST_DIR}/keysyms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lineends.h
    ${CMAKE_CURRENT_LIST_DIR}/platform.h
    # The Windows key records are built everywhere, so that the tests check them.
    ${CMAKE_CURRENT_LIST_DIR}/windows/winkeyrecords.h
    ${CMAKE_CURRENT_LIST_DIR}/windows/winkeyrecords.cpp
)
