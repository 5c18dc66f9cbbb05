# Side-by-side Modbus benchmark: a reference server and the load client on Debian's libmodbus.
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
    pkg_check_modules(BENCH_LIBMODBUS QUIET IMPORTED_TARGET libmodbus)
endif()
if(BENCH_LIBMODBUS_FOUND AND TARGET bench_modbus_server)
    enable_language(C)
    add_executable(modbus_ref_server ${CMAKE_CURRENT_LIST_DIR}/modbus_ref_server.c)
    target_link_libraries(modbus_ref_server PRIVATE PkgConfig::BENCH_LIBMODBUS)
    add_executable(modbus_load_client ${CMAKE_CURRENT_LIST_DIR}/modbus_load_client.c)
    target_link_libraries(modbus_load_client PRIVATE PkgConfig::BENCH_LIBMODBUS)
    target_compile_definitions(bench_modbus_server PRIVATE
        RVK_REF_SERVER="$<TARGET_FILE:modbus_ref_server>"
        RVK_LOAD_CLIENT="$<TARGET_FILE:modbus_load_client>")
    add_dependencies(bench_modbus_server modbus_ref_server modbus_load_client)
endif()
