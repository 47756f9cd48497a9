add_executable(list_benchmark ${CMAKE_CURRENT_LIST_DIR}/list_benchmark.cpp)
target_link_libraries(list_benchmark PRIVATE tabloom_toolkit benchmark::benchmark)
