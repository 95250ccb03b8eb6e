# The notices' own code, which uses no Qt: for the library here and for the Windows key check.
set(quillon_notices_sources
    ${CMAKE_CURRENT_LIST_DIR}/notices.h
    ${CMAKE_CURRENT_LIST_DIR}/notices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/platform.h
)
