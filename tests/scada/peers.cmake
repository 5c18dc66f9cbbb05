# Outside Modbus masters for tst_scadapeers: a libmodbus client built when libmodbus-dev is present.
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
    pkg_check_modules(LIBMODBUS QUIET IMPORTED_TARGET libmodbus)
endif()
if(LIBMODBUS_FOUND AND TARGET tst_scadapeers)
    enable_language(C)
    add_executable(peer_libmodbus ${CMAKE_CURRENT_LIST_DIR}/peer_libmodbus.c)
    target_link_libraries(peer_libmodbus PRIVATE PkgConfig::LIBMODBUS)
    target_compile_definitions(tst_scadapeers PRIVATE RVK_LIBMODBUS_PEER="$<TARGET_FILE:peer_libmodbus>")
    add_dependencies(tst_scadapeers peer_libmodbus)
endif()

# The Vuduzu2000 map end to end: the program on its simulated controller, driven by pymodbus.
if(EXISTS /usr/bin/python3 AND TARGET rvk_gui)
    add_test(NAME scada_vuduzu2000_pymodbus
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/e2e_vuduzu2000.py $<TARGET_FILE:rvk_gui>)
    set_tests_properties(scada_vuduzu2000_pymodbus PROPERTIES TIMEOUT 200)
endif()

# The maker's map (profile 1) end to end, its compressed log included.
if(EXISTS /usr/bin/python3 AND TARGET rvk_gui)
    add_test(NAME scada_valdrin_pymodbus
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/e2e_valdrin.py $<TARGET_FILE:rvk_gui>)
    set_tests_properties(scada_valdrin_pymodbus PROPERTIES TIMEOUT 300)
endif()

# ThreadSanitizer builds: the suppressions for the uninstrumented Qt and GLib internals.
if(RVK_TSAN)
    foreach(t tst_scada tst_scadaprofileswitch tst_scadalink tst_scadavuduzu2000 tst_scadavaldrin tst_scadavaldrinlink)
        if(TEST ${t})
            set_property(TEST ${t} APPEND PROPERTY ENVIRONMENT
                "TSAN_OPTIONS=ignore_noninstrumented_modules=1 suppressions=${CMAKE_CURRENT_LIST_DIR}/tsan.supp")
        endif()
    endforeach()
endif()
