# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser build's folder of static files, site/ in the build folder (target "site"): the
# page, Qt's loader, the program's script and .wasm, the icon, the program's licence and the
# notices of the third-party code in the .wasm. Any web server that serves .wasm as
# application/wasm can serve it as it is.
set(site ${CMAKE_BINARY_DIR}/site)

# The notices are made from what the link really took, as the Windows package's are: the link's
# map, what the Qt's objects were made from and its attribution files, and the faces the
# program carries.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
target_link_options(vantrel PRIVATE -Wl,-Map=${CMAKE_BINARY_DIR}/vantrel.map)
set(notices ${site}/THIRD-PARTY-NOTICES.txt)
set(embedded)
foreach(face IN LISTS VANTREL_EMBEDDED_FACES)
    list(APPEND embedded --embedded ${face})
endforeach()
set(changed_faces "The program carries these faces cut down to the characters of Western \
European text and named Vantrel Sans, as the SIL Open Font License asks of a changed copy of a \
face with a Reserved Font Name. Their glyphs, spacing and hinting are as the originals have them.")
add_custom_command(OUTPUT ${notices}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/third-party-notices.py
        --map ${CMAKE_BINARY_DIR}/vantrel.map --qt-prefix ${QT6_INSTALL_PREFIX}
        --qt-version ${Qt6_VERSION} --lgpl ${PROJECT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt
        --program vantrel.wasm --gpl-only libqwasm.a ${embedded} --output ${notices}
        --embedded-note "${changed_faces}"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS vantrel ${PROJECT_SOURCE_DIR}/scripts/third-party-notices.py
        ${PROJECT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt ${QT6_INSTALL_PREFIX}/vantrel-qt.stamp
    COMMENT "Writing the third-party notices of what vantrel.wasm holds"
    VERBATIM)
set(VANTREL_PAGE_PROGRAM vantrel)
configure_file(${PROJECT_SOURCE_DIR}/data/vantrel-page.html.in ${site}/index.html @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/vantrel-page.js ${site}/vantrel-page.js COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/vantrel.webmanifest.in ${site}/vantrel.webmanifest
    @ONLY)
# The files the page needs, the one list of them: the service worker keeps these offline.
set(page_files index.html vantrel-page.js qtloader.js vantrel.js vantrel.wasm
    vantrel.webmanifest vantrel-16.png vantrel-32.png vantrel-192.png vantrel-512.png)
set(site_files ${site}/vantrel.js ${site}/vantrel.wasm ${site}/qtloader.js
    ${site}/vantrel-16.png ${site}/vantrel-32.png ${site}/vantrel-192.png ${site}/vantrel-512.png
    ${site}/LICENSE.txt)
add_custom_command(OUTPUT ${site_files}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:vantrel>/vantrel.js
        $<TARGET_FILE_DIR:vantrel>/vantrel.wasm $<TARGET_FILE_DIR:vantrel>/qtloader.js ${site}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/icons/16/org.example.Vantrel.png
        ${site}/vantrel-16.png
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/icons/32/org.example.Vantrel.png
        ${site}/vantrel-32.png
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/icons/192/org.example.Vantrel.png
        ${site}/vantrel-192.png
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/icons/512/org.example.Vantrel.png
        ${site}/vantrel-512.png
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
        ${site}/LICENSE.txt
    DEPENDS vantrel icons ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
    COMMENT "Putting the browser's site together")
# The service worker that keeps the site for use offline, named for this build's files.
set(service_worker ${site}/service-worker.js)
string(JOIN "," listed_files ${page_files})
add_custom_command(OUTPUT ${service_worker}
    COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DFILES=${listed_files}
        -DTEMPLATE=${PROJECT_SOURCE_DIR}/data/vantrel-service-worker.js.in
        -P ${PROJECT_SOURCE_DIR}/data/ServiceWorker.cmake
    DEPENDS ${site_files} ${site}/index.html ${site}/vantrel-page.js ${site}/vantrel.webmanifest
        ${PROJECT_SOURCE_DIR}/data/vantrel-service-worker.js.in
        ${PROJECT_SOURCE_DIR}/data/ServiceWorker.cmake
    COMMENT "Writing the service worker for this build's files")
add_custom_target(site ALL DEPENDS ${site_files} ${notices} ${service_worker})

# For scripts/benchmark.sh: the start-up probe and a bare Qt window, each on a page of its own
# like the program's (bench/probe and bench/baseline), built the same way.
option(VANTREL_WEB_BENCHMARK "Build the browser start-up probe and its baseline" OFF)
if(VANTREL_WEB_BENCHMARK)
    set(probe_source ${PROJECT_SOURCE_DIR}/tests/benchmarks/StartupProbe.cpp)
    qt_add_executable(startup_probe ${probe_source})
    target_link_libraries(startup_probe PRIVATE app)
    qt_add_executable(startup_baseline ${probe_source})
    target_compile_definitions(startup_baseline PRIVATE VANTREL_BASELINE)
    target_link_libraries(startup_baseline PRIVATE Qt6::Widgets)
    foreach(probe IN ITEMS startup_probe startup_baseline)
        set(VANTREL_PAGE_PROGRAM ${probe})
        string(REPLACE "startup_" "" name ${probe})
        set(page_dir ${CMAKE_BINARY_DIR}/bench/${name})
        configure_file(${PROJECT_SOURCE_DIR}/data/vantrel-page.html.in ${page_dir}/index.html
            @ONLY)
        configure_file(${PROJECT_SOURCE_DIR}/data/vantrel-page.js ${page_dir}/vantrel-page.js
            COPYONLY)
        add_custom_command(TARGET ${probe} POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:${probe}>/${probe}.js
                $<TARGET_FILE_DIR:${probe}>/${probe}.wasm
                $<TARGET_FILE_DIR:${probe}>/qtloader.js ${page_dir})
    endforeach()
endif()
