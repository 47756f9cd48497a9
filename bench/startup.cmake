# Start-up of the real program beside a bare Qt dialog, each watched from outside, through the X
# server, until its first window is mapped. Run it on an X display, e.g. under `xvfb-run -a`.
find_package(PkgConfig REQUIRED)
pkg_check_modules(XCB IMPORTED_TARGET xcb)
if(XCB_FOUND)
    add_executable(startup_bare_dialog ${CMAKE_CURRENT_LIST_DIR}/startup_bare_dialog.cpp)
    target_link_libraries(startup_bare_dialog PRIVATE Qt6::Widgets)

    add_executable(startup_benchmark ${CMAKE_CURRENT_LIST_DIR}/startup_benchmark.cpp)
    target_link_libraries(startup_benchmark PRIVATE PkgConfig::XCB benchmark::benchmark)
    target_compile_definitions(startup_benchmark PRIVATE
        TABLOOM_PROGRAM="$<TARGET_FILE:tabloom>"
        BARE_DIALOG_PROGRAM="$<TARGET_FILE:startup_bare_dialog>")
    add_dependencies(startup_benchmark tabloom startup_bare_dialog)
else()
    message(STATUS "xcb not found: the start-up benchmark is left out (install libxcb1-dev)")
endif()
