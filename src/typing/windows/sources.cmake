# The Windows key backend: for the library and for the Windows key check, which cross-builds it.
set(quillon_windows_typing_sources ${CMAKE_CURRENT_LIST_DIR}/windowskeybackend.cpp)
set(quillon_windows_typing_libraries user32 winmm)
