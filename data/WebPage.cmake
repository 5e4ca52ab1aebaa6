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
add_custom_command(OUTPUT ${notices}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/third-party-notices.py
        --map ${CMAKE_BINARY_DIR}/vantrel.map --qt-prefix ${QT6_INSTALL_PREFIX}
        --qt-version ${Qt6_VERSION} --lgpl ${PROJECT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt
        --program vantrel.wasm --gpl-only libqwasm.a ${embedded} --output ${notices}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS vantrel ${PROJECT_SOURCE_DIR}/scripts/third-party-notices.py
        ${PROJECT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt ${QT6_INSTALL_PREFIX}/vantrel-qt.stamp
    COMMENT "Writing the third-party notices of what vantrel.wasm holds")
configure_file(${PROJECT_SOURCE_DIR}/data/vantrel-page.html.in ${site}/index.html @ONLY)
set(site_files ${site}/vantrel.js ${site}/vantrel.wasm ${site}/qtloader.js
    ${site}/vantrel-16.png ${site}/vantrel-32.png ${site}/LICENSE.txt)
add_custom_command(OUTPUT ${site_files}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:vantrel>/vantrel.js
        $<TARGET_FILE_DIR:vantrel>/vantrel.wasm $<TARGET_FILE_DIR:vantrel>/qtloader.js ${site}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/icons/16/org.example.Vantrel.png
        ${site}/vantrel-16.png
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/icons/32/org.example.Vantrel.png
        ${site}/vantrel-32.png
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
        ${site}/LICENSE.txt
    DEPENDS vantrel icons ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
    COMMENT "Putting the browser's site together")
add_custom_target(site ALL DEPENDS ${site_files} ${notices})
