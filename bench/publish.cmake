add_executable(publish_benchmark ${CMAKE_CURRENT_LIST_DIR}/publish_benchmark.cpp)
target_link_libraries(publish_benchmark PRIVATE tabloom_publish benchmark::benchmark)
