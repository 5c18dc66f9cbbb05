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

# The RiZovo (9), Dovedera (4) and Zevovo30 (2, 8, 12) maps end to end, every mirrored register checked
# against the columns of the map's table.
if(EXISTS /usr/bin/python3 AND TARGET rvk_gui)
    add_test(NAME scada_ri_zovo_pymodbus
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/e2e_ri_zovo.py $<TARGET_FILE:rvk_gui>)
    add_test(NAME scada_dovedera_pymodbus
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/e2e_dovedera.py $<TARGET_FILE:rvk_gui>)
    foreach(profile 2 8 12)
        add_test(NAME scada_region_3_0_${profile}_pymodbus
            COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/e2e_region_3_0.py $<TARGET_FILE:rvk_gui> ${profile})
    endforeach()
    set_tests_properties(scada_ri_zovo_pymodbus scada_dovedera_pymodbus scada_region_3_0_2_pymodbus
        scada_region_3_0_8_pymodbus scada_region_3_0_12_pymodbus PROPERTIES TIMEOUT 200)
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

# The Doveduvivedodi (7) and RuzidarIrirud (10) maps end to end, every register checked against its table.
if(EXISTS /usr/bin/python3 AND TARGET rvk_gui)
    foreach(map doveduvivedodi ruzidar_irirud)
        add_test(NAME scada_${map}_pymodbus
            COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/e2e_${map}.py $<TARGET_FILE:rvk_gui>)
        set_tests_properties(scada_${map}_pymodbus PROPERTIES TIMEOUT 200)
    endforeach()
endif()

# The Zizedu, Zevodorar and Dez maps end to end: every block read, every writable row written.
if(EXISTS /usr/bin/python3 AND TARGET rvk_gui)
    foreach(map zizedu zevodorar dez)
        add_test(NAME scada_${map}_pymodbus
            COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/e2e_${map}.py $<TARGET_FILE:rvk_gui>)
        set_tests_properties(scada_${map}_pymodbus PROPERTIES TIMEOUT 200)
    endforeach()
endif()

# The server as an integrator meets it: busy until the first synchronisation, read-back after a write, a
# refused write, the log of a master that reconnects in a loop.
if(EXISTS /usr/bin/python3 AND TARGET rvk_gui)
    add_test(NAME scada_integrator_pymodbus
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/e2e_integrator.py $<TARGET_FILE:rvk_gui> ${CMAKE_SOURCE_DIR})
    set_tests_properties(scada_integrator_pymodbus PROPERTIES TIMEOUT 200)
endif()
